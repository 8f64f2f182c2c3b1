#include "controls/ComboBox.h"

#include <algorithm>
#include <utility>

namespace rennlupe::controls {

ComboBox::ComboBox(std::string name, std::vector<std::string> items)
    : Control(std::move(name)), m_items(std::move(items)) {
    if (m_items.empty()) {
        m_items.emplace_back();
    }
}

bool ComboBox::choose(std::string_view item) {
    const auto found = std::find(m_items.begin(), m_items.end(), item);
    if (found == m_items.end()) {
        return false;
    }
    setIndex(static_cast<std::size_t>(found - m_items.begin()));
    return true;
}

void ComboBox::setIndex(std::size_t index) {
    if (index < m_items.size() && index != m_index) {
        m_index = index;
        changed();
        Click.raise();
    }
}

}  // namespace rennlupe::controls
