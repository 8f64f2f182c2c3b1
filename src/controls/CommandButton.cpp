#include "controls/CommandButton.h"

namespace rennlupe::platform {

void CommandButton::click() const {
    if (enabled()) {
        Click.raise();
    }
}

}  // namespace rennlupe::platform
