#pragma once

#include "overlay/OverlayLibrary.h"

#include <cstdint>
#include <string>

namespace rennlupe::ui {

// What Form1 draws through: the screen's overlay, the game's buttons, or both. A side that is
// chosen gets the drawing as it stands; one that is left has its text and picture hidden.
class ChosenOverlay final : public overlay::OverlayLibrary {
public:
    ChosenOverlay(overlay::OverlayLibrary& screen, overlay::OverlayLibrary& game)
        : m_screen(screen), m_game(game) {}

    void choose(bool onScreen, bool inGame);
    bool onScreen() const { return m_onScreen; }
    bool inGame() const { return m_inGame; }

    void GPML_SetTextMultilineData(std::int16_t x, std::int16_t y, std::string_view text,
                                   std::int32_t colour, std::int32_t zero, std::uint8_t size,
                                   std::int32_t allBits, std::int32_t width, std::int32_t height,
                                   std::uint8_t one) override;
    void GPML_ShowText(std::int32_t show) override;
    void GPPIC_LoadNewPicture(std::string_view path) override;
    void GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) override;
    // The screen's size while drawing there, else the game's.
    void GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) override;

private:
    // The latest drawing, handed whole to a side when it is chosen.
    void replay(overlay::OverlayLibrary& side) const;
    static void hide(overlay::OverlayLibrary& side);

    overlay::OverlayLibrary& m_screen;
    overlay::OverlayLibrary& m_game;
    bool m_onScreen = true;
    bool m_inGame = false;
    std::int16_t m_x = 0;
    std::int16_t m_y = 0;
    std::string m_text;
    std::int32_t m_colour = 0;
    std::uint8_t m_size = 0;
    std::int32_t m_textShown = 0;
    bool m_textSet = false;
    std::string m_picture;
    std::int32_t m_pictureShown = 0;
    std::int16_t m_pictureX = 0;
    std::int16_t m_pictureY = 0;
    bool m_pictureSet = false;
};

}  // namespace rennlupe::ui
