#include "controls/ListBox.h"

#include <utility>

namespace rennlupe::controls {

void ListBox::AddItem(std::string item) {
    m_items.push_back(std::move(item));
    changed();
}

void ListBox::Clear() {
    m_items.clear();
    changed();
}

}  // namespace rennlupe::controls
