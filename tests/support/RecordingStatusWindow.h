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
    bool refuseWindow = false;

    std::vector<std::string> log;
    std::vector<std::int32_t> parts;
    std::map<std::uint32_t, std::string> texts;  // by part, with the style's bits in the key
    std::map<std::uint32_t, std::string> tips;
    std::map<std::uint32_t, IconHandle> icons;
    std::vector<statusbar::FontDescription> fonts;
    std::set<std::intptr_t> alive;  // windows, fonts, image lists, icons and the library
    std::int32_t controlHeight = 0;
    int setPartsCalls = 0;

    statusbar::ModuleHandle loadLibrary(std::string_view name) override {
        log.push_back("LoadLibrary " + std::string(name));
        return make();
    }
    void freeLibrary(statusbar::ModuleHandle module) override {
        log.emplace_back("FreeLibrary");
        release(module);
    }
    void initCommonControls() override { log.emplace_back("InitCommonControls"); }

    std::int32_t innerWidth() const override { return width; }
    std::int32_t innerHeight() const override { return height; }
    void setHeight(std::int32_t pixels) override { controlHeight = pixels; }
    void dockToBottom() override { log.emplace_back("dock"); }
    void enableControl(bool) override {}
    std::int32_t pixelsPerInchY() const override { return 96; }
    double textWidth(const statusbar::FontObject&, std::string_view text) const override {
        return 6.0 * static_cast<double>(text.size());
    }

    WindowHandle createWindow(std::string_view className, std::uint32_t style, std::int32_t w,
                              std::int32_t h) override;
    void destroyWindow(WindowHandle window) override;
    std::uint32_t windowStyle(WindowHandle window) const override;
    void showWindow(WindowHandle) override { log.emplace_back("ShowWindow"); }
    void moveWindow(WindowHandle window, std::int32_t x, std::int32_t y, std::int32_t w,
                    std::int32_t h, bool repaint) override;
    void enableWindow(WindowHandle, bool enabled) override {
        log.push_back(enabled ? "EnableWindow 1" : "EnableWindow 0");
    }

    void setText(WindowHandle window, std::uint32_t partAndStyle, std::string_view text) override;
    void setParts(WindowHandle, std::span<const std::int32_t> rightEdges) override {
        parts.assign(rightEdges.begin(), rightEdges.end());
        ++setPartsCalls;
    }
    statusbar::PanelRect getRect(WindowHandle window, std::uint32_t part) override;
    void setIcon(WindowHandle, std::uint32_t part, IconHandle icon) override { icons[part] = icon; }
    void setTipText(WindowHandle, std::uint32_t part, std::string_view text) override {
        tips[part] = text;
    }
    IconHandle getIcon(WindowHandle, std::uint32_t part) override {
        return icons.contains(part) ? icons[part] : 0;
    }
    void setFont(WindowHandle, statusbar::FontHandle font, bool redraw) override {
        log.push_back("WM_SETFONT " + std::to_string(font) + (redraw ? " 1" : " 0"));
    }

    statusbar::FontHandle createFont(const statusbar::FontDescription& description) override {
        fonts.push_back(description);
        return make();
    }
    void deleteFont(statusbar::FontHandle font) override { release(font); }

    statusbar::ImageListHandle createImageList(std::int32_t, std::int32_t, std::uint32_t,
                                               std::int32_t, std::int32_t) override;
    void destroyImageList(statusbar::ImageListHandle list) override;
    std::int32_t addIcon(statusbar::ImageListHandle list, IconHandle icon) override {
        return icon == 0 ? -1 : m_images.at(list)++;
    }
    IconHandle iconFromList(statusbar::ImageListHandle list, std::int32_t index,
                            std::uint32_t flags) override;
    void destroyIcon(IconHandle icon) override { release(icon); }

private:
    std::intptr_t make();
    void release(std::intptr_t handle);

    std::intptr_t m_next = 100;
    std::map<WindowHandle, std::uint32_t> m_styles;
    std::map<statusbar::ImageListHandle, std::int32_t> m_images;
};

}  // namespace rennlupe::support
