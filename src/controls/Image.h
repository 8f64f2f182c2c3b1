#pragma once

#include "controls/Control.h"

#include <string>

namespace rennlupe::controls {

// A picture box: the front end shows the file, or its built-in picture when empty.
class Image : public Control {
public:
    using Control::Control;

    const std::string& picture() const noexcept { return m_picture; }
    void setPicture(std::string path);

private:
    std::string m_picture;
};

}  // namespace rennlupe::controls
