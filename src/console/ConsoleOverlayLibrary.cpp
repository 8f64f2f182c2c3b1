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
    std::string shown;  // hidden text prints nothing
    if (show != 0) {
        char colour[16];
        std::snprintf(colour, sizeof colour, "0x%08X", m_colour);
        shown = "overlay text: x=" + std::to_string(m_x) + " y=" + std::to_string(m_y) +
                " colour=" + colour + " size=" + std::to_string(m_size) + " text=" + m_text;
    }
    if (shown != m_shownText) {
        m_shownText = shown;
        if (!shown.empty()) {
            m_out << shown << '\n';
        }
    }
}

void ConsoleOverlayLibrary::GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x,
                                                 std::int16_t y) {
    const std::string line = std::string("overlay picture: ") + (show != 0 ? "show" : "hide") +
                             " x=" + std::to_string(x) + " y=" + std::to_string(y) +
                             " file=" + m_picture;
    // A hidden picture looks the same wherever it was put, and nothing shows at first.
    const std::string shown = show != 0 ? line : std::string();
    if (shown != m_shownPicture) {
        m_shownPicture = shown;
        m_out << line << '\n';
    }
}

void ConsoleOverlayLibrary::GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) {
    width = 1920;
    height = 1080;
}

}  // namespace rennlupe::console
