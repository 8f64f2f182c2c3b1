#include "controls/Slider.h"

#include <algorithm>
#include <utility>

namespace rennlupe::controls {

Slider::Slider(std::string name, int min, int max, int smallChange, int largeChange)
    : Control(std::move(name)),
      m_min(min),
      m_max(std::max(min, max)),
      m_smallChange(smallChange),
      m_largeChange(largeChange),
      m_value(min) {}

void Slider::setValue(int value) {
    const int clamped = std::clamp(value, m_min, m_max);
    if (clamped != m_value) {
        m_value = clamped;
        changed();
        Change.raise();
    }
}

void Slider::scrollTo(int value) {
    if (enabled()) {
        setValue(value);
        Scroll.raise();
    }
}

void Slider::click() {
    if (enabled()) {
        Click.raise();
    }
}

bool Slider::validate() {
    bool cancel = false;
    Validate.raise(cancel);
    return !cancel;
}

}  // namespace rennlupe::controls
