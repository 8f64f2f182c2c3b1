#include "desktop/QtWindowStyle.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace rennlupe::desktop {

namespace {
constexpr double kOpaque = 255.0;
}  // namespace

void QtWindowStyle::MakeFlat(controls::Control& control) {
    QWidget* widget = m_widgets.find(control);
    if (widget == nullptr) {
        return;
    }
    // A thin line in the window's mid tone in place of the sunken edge.
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setFrame(false);
        box->setStyleSheet(
            QStringLiteral("QLineEdit { border: 1px solid palette(mid); "
                           "padding: 1px; background: palette(base); }"));
    } else if (qobject_cast<QPushButton*>(widget) != nullptr) {
        widget->setStyleSheet(QStringLiteral(
            "QPushButton { border: 1px solid palette(mid); background: palette(button); "
            "padding: 2px 6px; } QPushButton:pressed { background: palette(midlight); } "
            "QPushButton:disabled { color: palette(mid); }"));
    } else {
        widget->setStyleSheet(QStringLiteral("border: 1px solid palette(mid);"));
    }
    widget->setProperty(kFlatProperty, true);
}

void QtWindowStyle::SetWindowTransparency(controls::Control& window, std::uint8_t alpha) {
    QWidget* widget = m_widgets.find(window);
    if (widget == nullptr) {
        return;
    }
    QWidget* top = widget->window();
    top->setWindowOpacity(alpha / kOpaque);
    top->setProperty(kLayeredProperty, alpha < 255);
}

}  // namespace rennlupe::desktop
