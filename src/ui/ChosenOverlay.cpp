#include "ui/ChosenOverlay.h"

namespace rennlupe::ui {

namespace {
constexpr std::int32_t kWidth = 300;  // as Form1 asks for the text block
constexpr std::int32_t kHeight = 400;
}  // namespace

void ChosenOverlay::choose(bool onScreen, bool inGame) {
    if (onScreen == m_onScreen && inGame == m_inGame) {
        return;
    }
    const bool screenLeft = m_onScreen && !onScreen;
    const bool gameLeft = m_inGame && !inGame;
    const bool screenJoined = onScreen && !m_onScreen;
    const bool gameJoined = inGame && !m_inGame;
    m_onScreen = onScreen;
    m_inGame = inGame;
    if (screenLeft) {
        hide(m_screen);
    }
    if (gameLeft) {
        hide(m_game);
    }
    if (screenJoined) {
        replay(m_screen);
    }
    if (gameJoined) {
        replay(m_game);
    }
}

void ChosenOverlay::GPML_SetTextMultilineData(std::int16_t x, std::int16_t y, std::string_view text,
                                              std::int32_t colour, std::int32_t zero,
                                              std::uint8_t size, std::int32_t allBits,
                                              std::int32_t width, std::int32_t height,
                                              std::uint8_t one) {
    m_x = x;
    m_y = y;
    m_text = text;
    m_colour = colour;
    m_size = size;
    m_textSet = true;
    for (overlay::OverlayLibrary* side :
         {m_onScreen ? &m_screen : nullptr, m_inGame ? &m_game : nullptr}) {
        if (side != nullptr) {
            side->GPML_SetTextMultilineData(x, y, text, colour, zero, size, allBits, width, height,
                                            one);
        }
    }
}

void ChosenOverlay::GPML_ShowText(std::int32_t show) {
    m_textShown = show;
    if (m_onScreen) {
        m_screen.GPML_ShowText(show);
    }
    if (m_inGame) {
        m_game.GPML_ShowText(show);
    }
}

void ChosenOverlay::GPPIC_LoadNewPicture(std::string_view path) {
    m_picture = path;
    if (m_onScreen) {
        m_screen.GPPIC_LoadNewPicture(path);
    }
    if (m_inGame) {
        m_game.GPPIC_LoadNewPicture(path);
    }
}

void ChosenOverlay::GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) {
    m_pictureShown = show;
    m_pictureX = x;
    m_pictureY = y;
    m_pictureSet = true;
    if (m_onScreen) {
        m_screen.GPPIC_ShowPicturePos(show, x, y);
    }
    if (m_inGame) {
        m_game.GPPIC_ShowPicturePos(show, x, y);
    }
}

void ChosenOverlay::GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) {
    (m_onScreen ? m_screen : m_game).GPSI_GetScreenSize(width, height);
}

void ChosenOverlay::replay(overlay::OverlayLibrary& side) const {
    if (m_textSet) {
        side.GPML_SetTextMultilineData(m_x, m_y, m_text, m_colour, 0, m_size, -1, kWidth, kHeight,
                                       1);
        side.GPML_ShowText(m_textShown);
    }
    if (m_pictureSet) {
        side.GPPIC_LoadNewPicture(m_picture);
        side.GPPIC_ShowPicturePos(m_pictureShown, m_pictureX, m_pictureY);
    }
}

void ChosenOverlay::hide(overlay::OverlayLibrary& side) {
    side.GPML_ShowText(0);
    side.GPPIC_ShowPicturePos(0, 0, 0);
}

}  // namespace rennlupe::ui
