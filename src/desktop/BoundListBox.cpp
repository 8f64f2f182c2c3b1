#include "desktop/BoundListBox.h"

#include "desktop/followControl.h"

namespace rennlupe::desktop {

BoundListBox::BoundListBox(controls::ListBox& list, QWidget* parent)
    : QListWidget(parent), m_list(list) {
    setObjectName(toQString(list.name()));
    followControl(*this, list);
}

void BoundListBox::refresh() {
    const auto& items = m_list.items();
    // Items are only ever appended or all cleared: add what is new, start over otherwise.
    if (static_cast<std::size_t>(count()) > items.size()) {
        clear();
    }
    for (auto index = static_cast<std::size_t>(count()); index < items.size(); ++index) {
        addItem(toQString(items[index]));
    }
    showCommonState(*this, m_list);
}

}  // namespace rennlupe::desktop
