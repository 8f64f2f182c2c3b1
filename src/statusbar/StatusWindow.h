#pragma once

#include "statusbar/FontObject.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace rennlupe::statusbar {

using WindowHandle = std::intptr_t;  // 0 is none, as for every handle here
using IconHandle = std::intptr_t;
using FontHandle = std::intptr_t;
using ImageListHandle = std::intptr_t;
using ModuleHandle = std::intptr_t;

struct PanelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The platform's font record; fields not named here are 0.
struct FontDescription {
    static constexpr std::size_t kFaceNameSize = 32;

    std::int32_t height = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::array<char, kFaceNameSize> faceName{};
};

// What the status bar needs from the window system: its own window in the
// host, the common-controls status window and its messages, fonts, image
// lists and icons. Texts are the program's UTF-8; the platform converts them.
class StatusWindow {
public:
    virtual ~StatusWindow() = default;

    virtual ModuleHandle loadLibrary(std::string_view name) = 0;
    virtual void freeLibrary(ModuleHandle module) = 0;
    virtual void initCommonControls() = 0;

    // The control's own window.
    virtual std::int32_t innerWidth() const = 0;
    virtual std::int32_t innerHeight() const = 0;
    virtual void setHeight(std::int32_t pixels) = 0;
    virtual void dockToBottom() = 0;
    virtual void enableControl(bool enabled) = 0;
    virtual std::int32_t pixelsPerInchY() const = 0;
    virtual double textWidth(const FontObject& font, std::string_view text) const = 0;

    // The status window, a child of the control's window.
    virtual WindowHandle createWindow(std::string_view className, std::uint32_t style,
                                      std::int32_t width, std::int32_t height) = 0;
    virtual void destroyWindow(WindowHandle window) = 0;
    virtual std::uint32_t windowStyle(WindowHandle window) const = 0;
    virtual void showWindow(WindowHandle window) = 0;
    virtual void moveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, bool repaint) = 0;
    virtual void enableWindow(WindowHandle window, bool enabled) = 0;

    // SB_SETTEXT, SB_SETPARTS, SB_GETRECT, SB_SETICON, SB_SETTIPTEXT, SB_GETICON, WM_SETFONT
    virtual void setText(WindowHandle window, std::uint32_t partAndStyle,
                         std::string_view text) = 0;
    virtual void setParts(WindowHandle window, std::span<const std::int32_t> rightEdges) = 0;
    virtual PanelRect getRect(WindowHandle window, std::uint32_t part) = 0;
    virtual void setIcon(WindowHandle window, std::uint32_t part, IconHandle icon) = 0;
    virtual void setTipText(WindowHandle window, std::uint32_t part, std::string_view text) = 0;
    virtual IconHandle getIcon(WindowHandle window, std::uint32_t part) = 0;
    virtual void setFont(WindowHandle window, FontHandle font, bool redraw) = 0;

    virtual FontHandle createFont(const FontDescription& description) = 0;
    virtual void deleteFont(FontHandle font) = 0;

    virtual ImageListHandle createImageList(std::int32_t width, std::int32_t height,
                                            std::uint32_t flags, std::int32_t initial,
                                            std::int32_t grow) = 0;
    virtual void destroyImageList(ImageListHandle list) = 0;
    // The new image's index, or -1 when the list refuses the icon.
    virtual std::int32_t addIcon(ImageListHandle list, IconHandle icon) = 0;
    // A new icon handle made from the image at index, or 0.
    virtual IconHandle iconFromList(ImageListHandle list, std::int32_t index,
                                    std::uint32_t flags) = 0;
    virtual void destroyIcon(IconHandle icon) = 0;

protected:
    StatusWindow() = default;
    StatusWindow(const StatusWindow&) = default;
    StatusWindow& operator=(const StatusWindow&) = default;
};

}  // namespace rennlupe::statusbar
