#pragma once

#include "controls/Control.h"

#include <string>

namespace rennlupe::controls {

class Slider : public Control {
public:
    Slider(std::string name, int min, int max, int smallChange = 1, int largeChange = 5);

    int value() const noexcept { return m_value; }
    int min() const noexcept { return m_min; }
    int max() const noexcept { return m_max; }
    int smallChange() const noexcept { return m_smallChange; }
    int largeChange() const noexcept { return m_largeChange; }
    // Kept within the range; raises Change when the value moves.
    void setValue(int value);

    // The user drags or steps the slider: the value moves, then Scroll.
    void scrollTo(int value);
    // The slider is about to lose the focus; a handler may cancel that.
    bool validate();
    // The user let go of the slider, or stepped it with a key or a click on its track.
    void click();

    Event<> Scroll;
    Event<> Click;
    Event<> Change;
    Event<bool&> Validate;

private:
    int m_min;
    int m_max;
    int m_smallChange;
    int m_largeChange;
    int m_value;
};

}  // namespace rennlupe::controls
