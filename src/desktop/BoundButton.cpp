#include "desktop/BoundButton.h"

#include "desktop/followControl.h"

namespace rennlupe::desktop {

BoundButton::BoundButton(controls::CommandButton& button, QWidget* parent)
    : QPushButton(parent), m_button(button) {
    setObjectName(toQString(button.name()));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this,
            [this] { platform::fenced(m_button.name() + " click", [this] { m_button.click(); }); });
    followControl(*this, button);
}

void BoundButton::refresh() {
    setText(toQString(m_button.caption()));
    showCommonState(*this, m_button);
}

}  // namespace rennlupe::desktop
