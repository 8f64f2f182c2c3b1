#include "support/RecordingOverlayLibrary.h"

#include "bits/Error.h"

#include <cstdio>
#include <utility>

namespace rennlupe::support {

void RecordingOverlayLibrary::record(std::string call) {
    if (missing) {
        throw bits::Error(48, "Error in loading DLL");
    }
    calls.push_back(std::move(call));
}

void RecordingOverlayLibrary::GPML_SetTextMultilineData(std::int16_t x, std::int16_t y,
                                                        std::string_view text, std::int32_t colour,
                                                        std::int32_t zero, std::uint8_t size,
                                                        std::int32_t allBits, std::int32_t width,
                                                        std::int32_t height, std::uint8_t one) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "0x%08X %d %d %d %d %d %d",
                  static_cast<unsigned>(colour), zero, size, allBits, width, height, one);
    record("GPML_SetTextMultilineData " + std::to_string(x) + " " + std::to_string(y) + " [" +
           std::string(text) + "] " + numbers);
}

void RecordingOverlayLibrary::GPML_ShowText(std::int32_t show) {
    record("GPML_ShowText " + std::to_string(show));
}

void RecordingOverlayLibrary::GPPIC_LoadNewPicture(std::string_view path) {
    record("GPPIC_LoadNewPicture " + std::string(path));
}

void RecordingOverlayLibrary::GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x,
                                                   std::int16_t y) {
    record("GPPIC_ShowPicturePos " + std::to_string(show) + " " + std::to_string(x) + " " +
           std::to_string(y));
}

void RecordingOverlayLibrary::GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) {
    record("GPSI_GetScreenSize");
    width = screenWidth;
    height = screenHeight;
}

}  // namespace rennlupe::support
