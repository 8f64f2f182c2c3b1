#pragma once

#include "controls/ComboBox.h"

#include <QComboBox>

namespace rennlupe::desktop {

class BoundComboBox final : public QComboBox {
public:
    BoundComboBox(controls::ComboBox& box, QWidget* parent);
    void refresh();

private:
    controls::ComboBox& m_box;
};

}  // namespace rennlupe::desktop
