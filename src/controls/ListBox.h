#pragma once

#include "controls/Control.h"

#include <string>
#include <vector>

namespace rennlupe::controls {

class ListBox : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& items() const noexcept { return m_items; }
    void AddItem(std::string item);
    void Clear();

private:
    std::vector<std::string> m_items;
};

}  // namespace rennlupe::controls
