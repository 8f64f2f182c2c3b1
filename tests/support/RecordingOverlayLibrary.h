#pragma once

#include "overlay/OverlayLibrary.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::support {

// Keeps every call with its arguments, one line each; while `missing` is set
// every call fails as a library that cannot be loaded does.
class RecordingOverlayLibrary final : public overlay::OverlayLibrary {
public:
    std::vector<std::string> calls;
    std::int32_t screenWidth = 0;
    std::int32_t screenHeight = 0;
    bool missing = false;

    void GPML_SetTextMultilineData(std::int16_t x, std::int16_t y, std::string_view text,
                                   std::int32_t colour, std::int32_t zero, std::uint8_t size,
                                   std::int32_t allBits, std::int32_t width, std::int32_t height,
                                   std::uint8_t one) override;
    void GPML_ShowText(std::int32_t show) override;
    void GPPIC_LoadNewPicture(std::string_view path) override;
    void GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) override;
    void GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) override;

private:
    void record(std::string call);
};

}  // namespace rennlupe::support
