#include "controls/Label.h"

#include <utility>

namespace rennlupe::controls {

Label::Label(std::string name, std::string caption)
    : Control(std::move(name)), m_caption(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (m_caption != caption) {
        m_caption = std::move(caption);
        changed();
    }
}

}  // namespace rennlupe::controls
