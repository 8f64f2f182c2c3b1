#include "desktop/BoundLabel.h"

#include "desktop/followControl.h"

namespace rennlupe::desktop {

BoundLabel::BoundLabel(controls::Label& label, QWidget* parent) : QLabel(parent), m_label(label) {
    setObjectName(toQString(label.name()));
    setTextFormat(Qt::PlainText);
    followControl(*this, label);
}

void BoundLabel::refresh() {
    setText(toQString(m_label.caption()));
    showCommonState(*this, m_label);
}

}  // namespace rennlupe::desktop
