#pragma once

#include "statusbar/StatusWindow.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::support {

// A status window that keeps what it was told: a log of every call, the
// last parts, texts and icons per part, and which handles are alive. Text is
// 6 pixels a character, the first part's rectangle 22 pixels high.
class RecordingStatusWindow final : public statusbar::StatusWindow {
public:
    using WindowHandle = statusbar::WindowHandle;
    using IconHandle = statusbar::IconHandle;

    std::int32_t width = 600;
    std::int32_t height = 30;
    std::int32_t dpi = 96;
    bool refuseWindow = false;

    std::vector<std::string> log;
    std::vector<std::int32_t> parts;
    std::map<std::uint32_t, std::string> texts;  // by part, with the style's bits in the key
    std::map<std::uint32_t, std::string> tips;
    std::map<std::uint32_t, IconHandle> icons;
    std::vector<statusbar::FontDescription> fonts;
    std::set<std::intptr_t> alive;  // windows, fonts, image lists, icons and the library
    std::int32_t controlHeight = 0;
    bool controlEnabled = true;
    int setPartsCalls = 0;

    statusbar::ModuleHandle loadLibrary(std::string_view name) override;
    void freeLibrary(statusbar::ModuleHandle module) override;
    void initCommonControls() override;

    std::int32_t innerWidth() const override { return width; }
    std::int32_t innerHeight() const override { return height; }
    void setHeight(std::int32_t pixels) override;
    void dockToBottom() override;
    void enableControl(bool enabled) override { controlEnabled = enabled; }
    std::int32_t pixelsPerInchY() const override { return dpi; }
    double textWidth(const statusbar::FontObject& font, std::string_view text) const override;

    WindowHandle createWindow(std::string_view className, std::uint32_t style, std::int32_t w,
                              std::int32_t h) override;
    void destroyWindow(WindowHandle window) override;
    std::uint32_t windowStyle(WindowHandle window) const override;
    void showWindow(WindowHandle window) override;
    void moveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t w,
                    std::int32_t h, bool repaint) override;
    void enableWindow(WindowHandle window, bool enabled) override;

    void setText(WindowHandle window, std::uint32_t partAndStyle, std::string_view text) override;
    void setParts(WindowHandle window, std::span<const std::int32_t> rightEdges) override;
    statusbar::PanelRect getRect(WindowHandle window, std::uint32_t part) override;
    void setIcon(WindowHandle window, std::uint32_t part, IconHandle icon) override;
    void setTipText(WindowHandle window, std::uint32_t part, std::string_view text) override;
    IconHandle getIcon(WindowHandle window, std::uint32_t part) override;
    void setFont(WindowHandle window, statusbar::FontHandle font, bool redraw) override;

    statusbar::FontHandle createFont(const statusbar::FontDescription& description) override;
    void deleteFont(statusbar::FontHandle font) override;

    statusbar::ImageListHandle createImageList(std::int32_t w, std::int32_t h, std::uint32_t flags,
                                               std::int32_t initial, std::int32_t grow) override;
    void destroyImageList(statusbar::ImageListHandle list) override;
    std::int32_t addIcon(statusbar::ImageListHandle list, IconHandle icon) override;
    IconHandle iconFromList(statusbar::ImageListHandle list, std::int32_t index,
                            std::uint32_t flags) override;
    void destroyIcon(IconHandle icon) override;

private:
    std::intptr_t make();
    void release(std::intptr_t handle);

    std::intptr_t m_next = 100;
    std::map<WindowHandle, std::uint32_t> m_styles;
    std::map<statusbar::ImageListHandle, std::int32_t> m_images;
};

}  // namespace rennlupe::support
