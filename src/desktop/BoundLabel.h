#pragma once

#include "controls/Label.h"

#include <QLabel>

namespace rennlupe::desktop {

class BoundLabel final : public QLabel {
public:
    BoundLabel(controls::Label& label, QWidget* parent);
    void refresh();

private:
    controls::Label& m_label;
};

}  // namespace rennlupe::desktop
