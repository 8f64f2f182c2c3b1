#pragma once

#include "bits/textToNumber.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rennlupe::ui {

// The game's screen in pixels, "1920x1080" as the options and the settings write it.
struct GameScreen {
    std::int32_t width = 1920;
    std::int32_t height = 1080;

    std::string text() const { return std::to_string(width) + "x" + std::to_string(height); }
    // Each side a whole number from 100 to 16384; nothing otherwise.
    static std::optional<GameScreen> named(std::string_view text) {
        const std::size_t x = text.find('x');
        if (x == std::string_view::npos) {
            return std::nullopt;
        }
        const bits::NumberForm form{.low = 100, .high = 16384};
        const auto width = bits::readNumber(text.substr(0, x), form);
        const auto height = bits::readNumber(text.substr(x + 1), form);
        if (!width || !height) {
            return std::nullopt;
        }
        return GameScreen{static_cast<std::int32_t>(*width), static_cast<std::int32_t>(*height)};
    }
};

}  // namespace rennlupe::ui
