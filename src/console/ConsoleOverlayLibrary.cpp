#include "console/ConsoleOverlayLibrary.h"

#include <cstdio>

namespace rennlupe::console {

void ConsoleOverlayLibrary::GPML_SetTextMultilineData(std::int16_t x, std::int16_t y,
                                                      std::string_view text, std::int32_t colour,
                                                      std::int32_t, std::uint8_t size, std::int32_t,
                                                      std::int32_t, std::int32_t, std::uint8_t) {
    m_x = x;
    m_y = y;
    m_colour = static_cast<std::uint32_t>(colour);
    m_size = size;
    m_text.clear();
    for (const char c : text) {
        if (c == '\r') {
            m_text += "\\r";
        } else {
            m_text.push_back(c);
        }
    }
}

void ConsoleOverlayLibrary::GPML_ShowText(std::int32_t show) {
    if (show == 0) {
        return;
    }
    char colour[16];
    std::snprintf(colour, sizeof colour, "0x%08X", m_colour);
    m_out << "overlay text: x=" << m_x << " y=" << m_y << " colour=" << colour << " size=" << m_size
          << " text=" << m_text << std::endl;
}

void ConsoleOverlayLibrary::GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x,
                                                 std::int16_t y) {
    m_out << "overlay picture: " << (show != 0 ? "show" : "hide") << " x=" << x << " y=" << y
          << " file=" << m_picture << std::endl;
}

void ConsoleOverlayLibrary::GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) {
    width = 1920;
    height = 1080;
}

}  // namespace rennlupe::console
