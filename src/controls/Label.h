#pragma once

#include "controls/Control.h"

#include <string>

namespace rennlupe::controls {

class Label : public Control {
public:
    Label(std::string name, std::string caption);

    const std::string& caption() const noexcept { return m_caption; }
    void setCaption(std::string caption);

private:
    std::string m_caption;
};

}  // namespace rennlupe::controls
