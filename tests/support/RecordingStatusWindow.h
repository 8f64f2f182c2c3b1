#pragma once

#include "statusbar/StatusWindow.h"

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::support {

// A status window that keeps what it was told: a log of the calls that change
// what the user sees, the last parts, texts and icons per part, and which
// handles are alive. Text is 6 pixels a character, the window 30 high.
class RecordingStatusWindow final : public statusbar::StatusWindow {
public:
    using Handle = std::intptr_t;

    std::int32_t width = 600;
    bool refuseWindow = false;

    std::vector<std::string> log;
    std::vector<std::int32_t> parts;
    std::map<std::uint32_t, std::string> texts;  // by part, the style's bits taken off
    std::map<std::uint32_t, std::string> tips;
    std::map<std::uint32_t, Handle> icons;
    std::vector<statusbar::FontDescription> fonts;
    std::set<Handle> alive;  // windows, fonts, image lists, icons and the library
    std::int32_t controlHeight = 0;
    int setPartsCalls = 0;

    Handle loadLibrary(std::string_view) override { return make(); }
    void freeLibrary(Handle module) override { release(module); }
    void initCommonControls() override {}

    std::int32_t innerWidth() const override { return width; }
    std::int32_t innerHeight() const override { return 30; }
    void setHeight(std::int32_t pixels) override { controlHeight = pixels; }
    void dockToBottom() override {}
    void enableControl(bool) override {}
    std::int32_t pixelsPerInchY() const override { return 96; }
    double textWidth(const statusbar::FontObject&, std::string_view text) const override {
        return 6.0 * static_cast<double>(text.size());
    }

    Handle createWindow(std::string_view className, std::uint32_t style, std::int32_t w,
                        std::int32_t h) override {
        log.push_back("CreateWindowEx " + std::string(className) + " " + std::to_string(style) +
                      " " + std::to_string(w) + "x" + std::to_string(h));
        if (refuseWindow) {
            return 0;
        }
        texts.clear();  // a new window starts empty
        tips.clear();
        icons.clear();
        parts.clear();
        m_styles[m_next] = style;
        return make();
    }
    void destroyWindow(Handle window) override { release(window); }
    std::uint32_t windowStyle(Handle window) const override {
        return m_styles.contains(window) ? m_styles.at(window) : 0;
    }
    void showWindow(Handle) override {}
    void moveWindow(Handle, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                    bool) override {
        log.push_back("MoveWindow " + std::to_string(x) + "," + std::to_string(y) + " " +
                      std::to_string(w) + "x" + std::to_string(h));
    }
    void enableWindow(Handle, bool) override {}

    void setText(Handle, std::uint32_t partAndStyle, std::string_view text) override {
        texts[partAndStyle & 0xFFU] = text;
        log.push_back("SB_SETTEXT " + std::to_string(partAndStyle) + " " + std::string(text));
    }
    void setParts(Handle, std::span<const std::int32_t> rightEdges) override {
        parts.assign(rightEdges.begin(), rightEdges.end());
        ++setPartsCalls;
    }
    statusbar::PanelRect getRect(Handle, std::uint32_t part) override {
        const std::size_t i = part;
        return {i == 0 || i > parts.size() ? 0 : parts[i - 1], 2,
                i < parts.size() ? parts[i] : width, 22};
    }
    void setIcon(Handle, std::uint32_t part, Handle icon) override { icons[part] = icon; }
    void setTipText(Handle, std::uint32_t part, std::string_view text) override {
        tips[part] = text;
    }
    Handle getIcon(Handle, std::uint32_t part) override { return icons[part]; }
    void setFont(Handle, Handle font, bool redraw) override {
        log.push_back("WM_SETFONT " + std::to_string(font) + (redraw ? " 1" : " 0"));
    }

    Handle createFont(const statusbar::FontDescription& description) override {
        fonts.push_back(description);
        return make();
    }
    void deleteFont(Handle font) override { release(font); }

    Handle createImageList(std::int32_t, std::int32_t, std::uint32_t, std::int32_t,
                           std::int32_t) override {
        return make();
    }
    void destroyImageList(Handle list) override { release(list); }
    std::int32_t addIcon(Handle list, Handle icon) override {
        return icon == 0 ? -1 : m_images[list]++;
    }
    Handle iconFromList(Handle list, std::int32_t index, std::uint32_t) override {
        return index >= 0 && index < m_images[list] ? make() : 0;
    }
    void destroyIcon(Handle icon) override { release(icon); }

private:
    Handle make() {
        alive.insert(m_next);
        return m_next++;
    }
    // Releasing what is not alive is the fault a double must catch.
    void release(Handle handle) {
        if (alive.erase(handle) == 0) {
            throw std::logic_error("released twice or never made: " + std::to_string(handle));
        }
    }

    Handle m_next = 100;
    std::map<Handle, std::uint32_t> m_styles;
    std::map<Handle, std::int32_t> m_images;
};

}  // namespace rennlupe::support
