#pragma once

#include <cstdint>
#include <string_view>

namespace rennlupe::overlay {

// The five functions of the in-game drawing library, arguments in order. A
// failure (the library missing, for one) is thrown to the caller; texts are
// the program's UTF-8, converted by an implementation that needs a code page.
class OverlayLibrary {
public:
    virtual ~OverlayLibrary() = default;

    virtual void GPML_SetTextMultilineData(std::int16_t x, std::int16_t y, std::string_view text,
                                           std::int32_t colour, std::int32_t zero,
                                           std::uint8_t size, std::int32_t allBits,
                                           std::int32_t width, std::int32_t height,
                                           std::uint8_t one) = 0;
    virtual void GPML_ShowText(std::int32_t show) = 0;
    virtual void GPPIC_LoadNewPicture(std::string_view path) = 0;
    virtual void GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) = 0;
    virtual void GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) = 0;

protected:
    OverlayLibrary() = default;
    OverlayLibrary(const OverlayLibrary&) = default;
    OverlayLibrary& operator=(const OverlayLibrary&) = default;
};

}  // namespace rennlupe::overlay
