#include "controls/CheckBox.h"

#include <utility>

namespace rennlupe::controls {

CheckBox::CheckBox(std::string name, std::string caption, int value)
    : Label(std::move(name), std::move(caption)), m_value(value) {}

void CheckBox::setValue(int value) {
    if (m_value != value) {
        m_value = value;
        changed();
        Click.raise();
    }
}

void CheckBox::click() {
    if (enabled()) {
        setValue(ticked() ? kUnchecked : kChecked);
    }
}

}  // namespace rennlupe::controls
