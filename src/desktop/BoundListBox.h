#pragma once

#include "controls/ListBox.h"

#include <QListWidget>

namespace rennlupe::platform::qt {

class BoundListBox final : public QListWidget {
public:
    BoundListBox(ListBox& list, QWidget* parent);
    void refresh();

private:
    ListBox& m_list;
};

}  // namespace rennlupe::platform::qt
