#pragma once

#include "controls/Slider.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace rennlupe::ui {

// The settings panel in the game, drawn with its own buttons (IS_BTN): arrows that move the
// gap lines and the shift indicator, colour and size steps, and a close button. Each click
// moves one of the main window's sliders. Typing "!rl" in the game's chat opens and closes
// it; while it is closed a small handle button where its title goes opens it too.
class SettingsPanel {
public:
    using Send = std::function<void(std::span<const std::uint8_t> packet)>;
    using Sliders = std::array<std::reference_wrapper<controls::Slider>, 6>;  // Slider1 to 6
    // What a click changed, so the caller redraws and saves.
    enum class Effect { None, Text, Shift, Closed };

    static constexpr std::size_t kPanelButtons = 14;
    static constexpr std::size_t kButtons = kPanelButtons + 1;  // the handle's ClickID last
    static constexpr int kMoveStep = 10;                        // pixels
    static constexpr int kSizeStep = 2;
    // Colour slider values whose nearest game colours differ: black, red, grey, green, yellow.
    static constexpr std::array<int, 5> kColours = {0, 255, 32896, 64768, 65000};
    static constexpr std::string_view kCommand = "!rl";

    SettingsPanel(Send send, Sliders sliders) : m_send(std::move(send)), m_sliders(sliders) {}

    // The panel's first ClickID: after the overlay's three, or before them where the ClickIDs
    // after them would pass 239.
    static std::uint8_t firstId(std::uint8_t overlayBase);
    // A chat text after the name that opens or closes the panel.
    static bool isCommand(std::string_view typed);

    // A new link: the panel is closed, its handle shown (where allowed).
    void linkUp(std::uint8_t overlayBase);
    void linkDown();
    // Where the lines are not drawn in the game, neither panel nor handle shows.
    void allow(bool allowed);
    bool isOpen() const { return m_open; }
    void toggle();
    void close();
    Effect click(std::uint8_t clickId);
    // SHIFT+B: the game deleted the panel; asked back, it returns only if it was open.
    void userCleared();
    void userRequested();

private:
    void sendAll();
    void showHandle();
    void hideHandle();
    std::uint8_t handleId() const { return static_cast<std::uint8_t>(m_first + kPanelButtons); }

    Send m_send;
    Sliders m_sliders;
    std::uint8_t m_first = 0;
    bool m_linked = false;
    bool m_open = false;
    bool m_cleared = false;
    bool m_allowed = true;
    bool m_handleShown = false;
};

}  // namespace rennlupe::ui
