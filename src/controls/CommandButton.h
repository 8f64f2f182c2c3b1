#pragma once

#include "controls/Label.h"

namespace rennlupe::controls {

class CommandButton : public Label {
public:
    using Label::Label;

    // The user's click: raises Click only while the button is enabled.
    void click() const;

    Event<> Click;
};

}  // namespace rennlupe::controls
