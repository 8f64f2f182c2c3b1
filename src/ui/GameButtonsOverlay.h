#pragma once

#include "overlay/OverlayLibrary.h"

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>

namespace rennlupe::ui {

// The overlay drawn with today's game's own buttons (IS_BTN): each text line a button of its
// own, the shift picture a dark button with red text. Only what changed is sent (the text
// alone where only it changed, at most ten times a second), and nothing without a link or
// while the user cleared them.
class GameButtonsOverlay final : public overlay::OverlayLibrary {
public:
    using Send = std::function<void(std::span<const std::uint8_t> packet)>;
    static constexpr std::size_t kLines = 2;
    static constexpr std::uint8_t kDefaultBase = 200;  // ClickIDs base, base + 1 and base + 2
    static constexpr std::uint8_t kHighestBase = 237;

    struct Options {
        std::uint8_t clickBase = kDefaultBase;
        std::int32_t screenWidth = 1920;  // the game's screen, onto which the sliders point
        std::int32_t screenHeight = 1080;
        std::ostream* lines = nullptr;  // "button: ..." for each packet sent, when given
    };

    using Clock = std::function<double()>;  // monotonic seconds
    // A button's text goes to the game at most this often; what changes meanwhile waits for
    // the next drawing after the pause (the screen's overlay paces itself likewise).
    static constexpr double kTextPause = 0.1;

    // Without a clock every change of text is sent at once.
    explicit GameButtonsOverlay(Send send, Clock clock = {})
        : m_send(std::move(send)), m_clock(std::move(clock)) {}
    // Takes effect with the next link.
    void setOptions(const Options& options) { m_options = options; }
    const Options& options() const { return m_options; }

    void GPML_SetTextMultilineData(std::int16_t x, std::int16_t y, std::string_view text,
                                   std::int32_t colour, std::int32_t zero, std::uint8_t size,
                                   std::int32_t allBits, std::int32_t width, std::int32_t height,
                                   std::uint8_t one) override;
    void GPML_ShowText(std::int32_t show) override;
    void GPPIC_LoadNewPicture(std::string_view) override {}
    void GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) override;
    void GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) override;

    // A new link: the game holds none of our buttons yet.
    void linkUp();
    void linkDown();
    bool linked() const { return m_linked; }
    // SHIFT+B in the game: BFN_USER_CLEAR stops the sending, BFN_REQUEST sends all again.
    void userCleared();
    void userRequested();
    // BFN_CLEAR: all of ours deleted, before the link closes.
    void clearAll();

private:
    struct Button {
        bool shown = false;
        std::uint8_t style = 0;
        std::uint8_t left = 0;
        std::uint8_t top = 0;
        std::uint8_t width = 0;
        std::uint8_t height = 0;
        std::string text;  // UTF-8, colour codes included
    };

    void sync();
    std::array<Button, kLines + 1> wanted() const;
    void sendButton(std::uint8_t id, const Button& button, bool textOnly);
    void sendDelete(std::uint8_t id);
    std::uint8_t column(std::int32_t pixels) const;
    std::uint8_t row(std::int32_t pixels) const;

    Send m_send;
    Clock m_clock;
    std::array<double, kLines + 1> m_textSentAt{};
    Options m_options;
    std::int16_t m_textX = 0;
    std::int16_t m_textY = 0;
    std::uint32_t m_colour = 0;
    std::uint8_t m_size = 0;
    std::string m_text;
    bool m_textShown = false;
    std::int16_t m_pictureX = 0;
    std::int16_t m_pictureY = 0;
    bool m_pictureShown = false;
    bool m_linked = false;
    bool m_userCleared = false;
    std::array<Button, kLines + 1> m_inGame{};
};

}  // namespace rennlupe::ui
