#pragma once

#include "controls/ListBox.h"

#include <QListWidget>

namespace rennlupe::desktop {

class BoundListBox final : public QListWidget {
public:
    BoundListBox(controls::ListBox& list, QWidget* parent);
    void refresh();

private:
    controls::ListBox& m_list;
};

}  // namespace rennlupe::desktop
