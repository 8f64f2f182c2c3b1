#pragma once

#include "controls/CheckBox.h"

#include <QCheckBox>

namespace rennlupe::desktop {

class BoundCheckBox final : public QCheckBox {
public:
    BoundCheckBox(controls::CheckBox& box, QWidget* parent);
    void refresh();

private:
    controls::CheckBox& m_box;
};

}  // namespace rennlupe::desktop
