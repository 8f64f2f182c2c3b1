#include "support/RecordingOverlayLibrary.h"

#include "bits/Error.h"

#include <utility>

namespace rennlupe::support {

namespace {

std::string hex(std::int32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto bits = static_cast<std::uint32_t>(value);
    std::string text(8, '0');
    for (auto digit = text.rbegin(); digit != text.rend(); ++digit, bits >>= 4U) {
        *digit = kDigits[bits & 0xFU];
    }
    return "0x" + text;
}

}  // namespace

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
    record("GPML_SetTextMultilineData " + std::to_string(x) + " " + std::to_string(y) + " [" +
           std::string(text) + "] " + hex(colour) + " " + std::to_string(zero) + " " +
           std::to_string(size) + " " + std::to_string(allBits) + " " + std::to_string(width) +
           " " + std::to_string(height) + " " + std::to_string(one));
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
