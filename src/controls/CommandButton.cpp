#include "controls/CommandButton.h"

namespace rennlupe::controls {

void CommandButton::click() const {
    if (enabled()) {
        Click.raise();
    }
}

}  // namespace rennlupe::controls
