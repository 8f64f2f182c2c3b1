#pragma once

#include "desktop/ControlWidgets.h"

#include <QWidget>

#include <utility>

namespace rennlupe::desktop {

struct Place {
    int left;
    int top;
    int width;
    int height;
};

// The widget that shows the control, made at its place in parent and registered.
template <typename Bound, typename Control, typename... Extra>
Bound& placeControl(Control& control, QWidget& parent, ControlWidgets& widgets, Place at,
                    Extra&&... extra) {
    auto* widget = new Bound(control, std::forward<Extra>(extra)..., &parent);
    widget->setGeometry(at.left, at.top, at.width, at.height);
    widgets.add(control, *widget);
    return *widget;
}

}  // namespace rennlupe::desktop
