#include "desktop/BoundFrame.h"

#include "desktop/followControl.h"

namespace rennlupe::desktop {

BoundFrame::BoundFrame(controls::Frame& frame, QWidget* parent)
    : QGroupBox(parent), m_frame(frame) {
    setObjectName(toQString(frame.name()));
    followControl(*this, frame);
}

void BoundFrame::refresh() {
    setTitle(toQString(m_frame.caption()));
    showCommonState(*this, m_frame);
}

}  // namespace rennlupe::desktop
