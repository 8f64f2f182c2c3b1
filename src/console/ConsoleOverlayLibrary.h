#pragma once

#include "overlay/OverlayLibrary.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace rennlupe::console {

// The in-game drawing as lines on standard output, each only when what it shows changed:
//   overlay text: x=X y=Y colour=0xAARRGGBB size=S text=TEXT   (CR written as \r)
//   overlay picture: show|hide x=X y=Y file=PATH   (no hide line for a picture not shown)
class ConsoleOverlayLibrary final : public overlay::OverlayLibrary {
public:
    explicit ConsoleOverlayLibrary(std::ostream& out) : m_out(out) {}

    void GPML_SetTextMultilineData(std::int16_t x, std::int16_t y, std::string_view text,
                                   std::int32_t colour, std::int32_t zero, std::uint8_t size,
                                   std::int32_t allBits, std::int32_t width, std::int32_t height,
                                   std::uint8_t one) override;
    void GPML_ShowText(std::int32_t show) override;
    void GPPIC_LoadNewPicture(std::string_view path) override { m_picture = path; }
    void GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) override;
    void GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) override;

private:
    std::ostream& m_out;
    std::int16_t m_x = 0;
    std::int16_t m_y = 0;
    std::uint32_t m_colour = 0;
    unsigned m_size = 0;
    std::string m_text;
    std::string m_picture;
    std::string m_shownText;     // the last text line, "" while none shows
    std::string m_shownPicture;  // the last show line, "" while hidden
};

}  // namespace rennlupe::console
