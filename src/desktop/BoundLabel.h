#pragma once

#include "controls/Label.h"

#include <QLabel>

namespace rennlupe::platform::qt {

class BoundLabel final : public QLabel {
public:
    BoundLabel(Label& label, QWidget* parent);
    void refresh();

private:
    Label& m_label;
};

}  // namespace rennlupe::platform::qt
