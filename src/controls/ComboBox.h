#pragma once

#include "controls/Control.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::controls {

// A drop-down list of fixed items, one of them chosen.
class ComboBox : public Control {
public:
    ComboBox(std::string name, std::vector<std::string> items);

    const std::vector<std::string>& items() const noexcept { return m_items; }
    std::size_t index() const noexcept { return m_index; }
    const std::string& text() const { return m_items[m_index]; }
    // Chooses the item of that text; false (and nothing changed) when there is none.
    bool choose(std::string_view item);
    // A new choice raises Click, as a user's does; an index past the items is ignored.
    void setIndex(std::size_t index);

    Event<> Click;

private:
    std::vector<std::string> m_items;
    std::size_t m_index = 0;
};

}  // namespace rennlupe::controls
