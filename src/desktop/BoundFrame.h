#pragma once

#include "controls/Frame.h"

#include <QGroupBox>

namespace rennlupe::desktop {

class BoundFrame final : public QGroupBox {
public:
    BoundFrame(controls::Frame& frame, QWidget* parent);
    void refresh();

private:
    controls::Frame& m_frame;
};

}  // namespace rennlupe::desktop
