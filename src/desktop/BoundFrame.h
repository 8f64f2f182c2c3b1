#pragma once

#include "controls/Frame.h"

#include <QGroupBox>

namespace rennlupe::platform::qt {

class BoundFrame final : public QGroupBox {
public:
    BoundFrame(Frame& frame, QWidget* parent);
    void refresh();

private:
    Frame& m_frame;
};

}  // namespace rennlupe::platform::qt
