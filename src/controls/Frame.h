#pragma once

#include "controls/Label.h"

namespace rennlupe::controls {

// A group box: a caption around other controls.
class Frame : public Label {
public:
    using Label::Label;
};

}  // namespace rennlupe::controls
