#pragma once

#include "controls/Label.h"

namespace rennlupe::platform {

// A group box: a caption around other controls.
class Frame : public Label {
public:
    using Label::Label;
};

}  // namespace rennlupe::platform
