#pragma once

#include <array>
#include <cstdint>

namespace rennlupe::ui {

// The six sliders' values where the settings file holds none, or no number:
// bright yellow text of about 2 % of the screen's height near its upper middle,
// the shift picture just left of it. A screen of unknown size counts as 1920 x 1080.
std::array<int, 6> sliderDefaults(std::int32_t screenWidth, std::int32_t screenHeight);

}  // namespace rennlupe::ui
