#pragma once

#include "desktop/ControlWidgets.h"
#include "ui/WindowStyle.h"

#include <QString>

namespace rennlupe::desktop {

// Flat borders and window opacity on the widgets that show the controls.
class QtWindowStyle final : public ui::WindowStyle {
public:
    // Dynamic properties that tell what was done, for whoever inspects a widget.
    static constexpr const char* kFlatProperty = "rennlupeFlat";
    static constexpr const char* kLayeredProperty = "rennlupeLayered";

    explicit QtWindowStyle(const ControlWidgets& widgets) : m_widgets(widgets) {}

    void MakeFlat(controls::Control& control) override;
    void SetWindowTransparency(controls::Control& window, std::uint8_t alpha) override;

private:
    const ControlWidgets& m_widgets;
};

}  // namespace rennlupe::desktop
