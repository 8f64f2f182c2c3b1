#pragma once

#include "statusbar/StatusWindow.h"

#include <chrono>
#include <ostream>
#include <string>

namespace rennlupe::console {

// A status window with no screen: what panel 1 shows is printed as
// "status: TEXT", panel 2's text and tip as "link: TEXT" and "link tip: TIP"
// when they change; one line each, flushed at once.
class ConsoleStatusWindow final : public statusbar::StatusWindow {
public:
    explicit ConsoleStatusWindow(std::ostream& out) : m_out(out) {}

    statusbar::ModuleHandle loadLibrary(std::string_view) override { return 1; }
    void freeLibrary(statusbar::ModuleHandle) override {}
    void initCommonControls() override {}
    std::int32_t innerWidth() const override { return 503; }
    std::int32_t innerHeight() const override { return 406; }
    void setHeight(std::int32_t) override {}
    void dockToBottom() override {}
    void enableControl(bool) override {}
    std::int32_t pixelsPerInchY() const override { return 96; }
    double textWidth(const statusbar::FontObject&, std::string_view text) const override;
    statusbar::WindowHandle createWindow(std::string_view, std::uint32_t style, std::int32_t,
                                         std::int32_t) override;
    void destroyWindow(statusbar::WindowHandle) override {}
    std::uint32_t windowStyle(statusbar::WindowHandle) const override { return m_style; }
    void showWindow(statusbar::WindowHandle) override {}
    void moveWindow(statusbar::WindowHandle, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                    bool) override {}
    void enableWindow(statusbar::WindowHandle, bool) override {}
    void setText(statusbar::WindowHandle, std::uint32_t partAndStyle,
                 std::string_view text) override;
    void setParts(statusbar::WindowHandle, std::span<const std::int32_t>) override {}
    statusbar::PanelRect getRect(statusbar::WindowHandle, std::uint32_t) override { return {}; }
    void setIcon(statusbar::WindowHandle, std::uint32_t, statusbar::IconHandle) override {}
    void setTipText(statusbar::WindowHandle, std::uint32_t part, std::string_view text) override;
    statusbar::IconHandle getIcon(statusbar::WindowHandle, std::uint32_t) override { return 0; }
    void setFont(statusbar::WindowHandle, statusbar::FontHandle, bool) override {}
    statusbar::FontHandle createFont(const statusbar::FontDescription&) override { return 1; }
    void deleteFont(statusbar::FontHandle) override {}
    statusbar::ImageListHandle createImageList(std::int32_t, std::int32_t, std::uint32_t,
                                               std::int32_t, std::int32_t) override {
        return 1;
    }
    void destroyImageList(statusbar::ImageListHandle) override {}
    std::int32_t addIcon(statusbar::ImageListHandle, statusbar::IconHandle) override { return 0; }
    statusbar::IconHandle iconFromList(statusbar::ImageListHandle, std::int32_t,
                                       std::uint32_t) override {
        return 0;
    }
    void destroyIcon(statusbar::IconHandle) override {}

private:
    void printChange(std::string& last, std::string_view label, std::string_view text);
    void printPendingTip();

    std::ostream& m_out;
    std::uint32_t m_style = 0;
    std::string m_link;
    std::string m_linkTip;
    std::string m_pendingTip;
    std::chrono::steady_clock::time_point m_tipPrinted{};
};

}  // namespace rennlupe::console
