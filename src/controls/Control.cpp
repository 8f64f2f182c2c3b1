#include "controls/Control.h"

#include <utility>

namespace rennlupe::controls {

Control::Control(std::string name) : m_name(std::move(name)) {}

void Control::setEnabled(bool enabled) {
    if (m_enabled != enabled) {
        m_enabled = enabled;
        changed();
    }
}

void Control::setVisible(bool visible) {
    if (m_visible != visible) {
        m_visible = visible;
        changed();
    }
}

}  // namespace rennlupe::controls
