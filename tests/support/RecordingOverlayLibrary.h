#pragma once

#include "bits/Error.h"
#include "overlay/OverlayLibrary.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
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
                                   std::uint8_t one) override {
        char hex[12];
        std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(colour));
        record("GPML_SetTextMultilineData", x, y, "[" + std::string(text) + "]", hex, zero, size,
               allBits, width, height, one);
    }
    void GPML_ShowText(std::int32_t show) override { record("GPML_ShowText", show); }
    void GPPIC_LoadNewPicture(std::string_view path) override {
        record("GPPIC_LoadNewPicture", path);
    }
    void GPPIC_ShowPicturePos(std::int32_t show, std::int16_t x, std::int16_t y) override {
        record("GPPIC_ShowPicturePos", show, x, y);
    }
    void GPSI_GetScreenSize(std::int32_t& width, std::int32_t& height) override {
        record("GPSI_GetScreenSize");
        width = screenWidth;
        height = screenHeight;
    }

private:
    static std::string word(std::string_view text) { return std::string(text); }
    static std::string word(std::int64_t number) { return std::to_string(number); }
    template <typename... Words>
    void record(std::string call, Words... words) {
        if (missing) {
            throw bits::Error(48, "Error in loading DLL");
        }
        ((call += " " + word(words)), ...);
        calls.push_back(std::move(call));
    }
};

}  // namespace rennlupe::support
