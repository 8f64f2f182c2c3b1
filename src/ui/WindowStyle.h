#pragma once

#include "controls/Control.h"

#include <cstdint>

namespace rennlupe::ui {

// What a toolkit does to the look of windows and controls; the headless
// front end leaves it empty.
class WindowStyle {
public:
    virtual ~WindowStyle() = default;
    // A thin static edge in place of a sunken client edge.
    virtual void MakeFlat(controls::Control& control) = 0;
    // 0 invisible, 255 opaque.
    virtual void SetWindowTransparency(controls::Control& window, std::uint8_t alpha) = 0;

protected:
    WindowStyle() = default;
    WindowStyle(const WindowStyle&) = default;
    WindowStyle& operator=(const WindowStyle&) = default;
};

}  // namespace rennlupe::ui
