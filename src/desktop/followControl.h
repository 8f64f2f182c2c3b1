#pragma once

#include "controls/Control.h"
#include "desktop/toQString.h"
#include "platform/eventloop/fenced.h"

#include <QPointer>
#include <QWidget>

namespace rennlupe::desktop {

// Enabled and visible, which every control shares.
inline void showCommonState(QWidget& widget, const controls::Control& control) {
    widget.setEnabled(control.enabled());
    widget.setVisible(control.visible());
}

// Shows the control's state now and after every change, while the widget lives;
// the controls outlive their widgets, so a change after the window is gone is ignored.
template <typename Widget>
void followControl(Widget& widget, controls::Control& control) {
    QPointer<Widget> alive(&widget);
    control.Changed.connect([alive] {
        if (alive) {
            platform::fenced("showing a control", [&alive] { alive->refresh(); });
        }
    });
    widget.refresh();
}

}  // namespace rennlupe::desktop
