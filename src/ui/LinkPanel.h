#pragma once

#include "statusbar/ucStatusbar.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rennlupe::ui {

// The status bar's second panel, beside the message line and sized to its text:
// the state of the link to the game. Its tip counts the datagrams dropped
// because another sender sent them.
class LinkPanel {
public:
    static constexpr std::int32_t kPanel = 2;
    static constexpr std::string_view kIdle = "Not connected";

    explicit LinkPanel(statusbar::ucStatusbar& bar) : m_bar(bar) {}

    // After the message line's panel.
    void add();
    void idle();
    // A new attempt to connect: its first try, and the count of dropped datagrams from 0.
    void start(int attempts);
    void connecting(int attempt, int attempts);
    void connected(std::string_view product, std::string_view version);
    // Ignored unless connected.
    void cars(int count);
    void strangerDropped();

    std::uint64_t dropped() const noexcept { return m_dropped; }

private:
    void show(std::string text);
    void showTip();

    statusbar::ucStatusbar& m_bar;
    std::string m_connectedTo;  // "S2 0.7F" while connected, else empty
    std::uint64_t m_dropped = 0;
};

}  // namespace rennlupe::ui
