#pragma once

#include <cstdint>
#include <string_view>

namespace rennlupe::ui {

// A colour as the game's buttons can show it: a colour code before the text (^0 to ^7), or,
// where one of the button styles' own colours is closer, that style colour and no code.
struct GameColour {
    std::string_view code;   // "^1", or empty for the style's colour
    std::uint8_t style = 0;  // IS_BTN BStyle colour bits (0 to 7)
};

// The nearest game colour to 0xAARRGGBB (alpha ignored).
GameColour nearestGameColour(std::uint32_t argb);

}  // namespace rennlupe::ui
