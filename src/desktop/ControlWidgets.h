#pragma once

#include "controls/Control.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace rennlupe::desktop {

// Which widget shows which control, for the calls that name a control.
class ControlWidgets {
public:
    void add(const controls::Control& control, QWidget& widget) { m_widgets[&control] = &widget; }
    // The widget, or nullptr when none shows the control (any more).
    QWidget* find(const controls::Control& control) const {
        const auto found = m_widgets.find(&control);
        return found == m_widgets.end() ? nullptr : found->second.data();
    }

private:
    std::map<const controls::Control*, QPointer<QWidget>> m_widgets;
};

}  // namespace rennlupe::desktop
