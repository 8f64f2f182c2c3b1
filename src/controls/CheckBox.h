#pragma once

#include "controls/Label.h"

namespace rennlupe::controls {

class CheckBox : public Label {
public:
    static constexpr int kUnchecked = 0;
    static constexpr int kChecked = 1;

    CheckBox(std::string name, std::string caption, int value);

    int value() const noexcept { return m_value; }
    bool ticked() const noexcept { return m_value == kChecked; }
    // A new value raises Click, as a user's tick does.
    void setValue(int value);
    void click();

    Event<> Click;

private:
    int m_value;
};

}  // namespace rennlupe::controls
