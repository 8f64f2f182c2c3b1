#pragma once

#include "controls/CheckBox.h"

#include <QCheckBox>

namespace rennlupe::platform::qt {

class BoundCheckBox final : public QCheckBox {
public:
    BoundCheckBox(CheckBox& box, QWidget* parent);
    void refresh();

private:
    CheckBox& m_box;
};

}  // namespace rennlupe::platform::qt
