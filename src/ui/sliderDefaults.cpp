#include "ui/sliderDefaults.h"

#include <algorithm>
#include <cmath>

namespace rennlupe::ui {

namespace {

constexpr int kYellow = 65000;  // 0x00FDE8: red 232, green 253, blue 0
constexpr int kPicture = 96;    // the shift picture's side in pixels
constexpr int kSliderMax = 1000;

}  // namespace

std::array<int, 6> sliderDefaults(std::int32_t screenWidth, std::int32_t screenHeight) {
    if (screenWidth <= 0 || screenHeight <= 0) {
        screenWidth = 1920;
        screenHeight = 1080;
    }
    const int size = std::clamp(static_cast<int>(std::lround(screenHeight * 0.02)), 12, 100);
    const int textWidth = 7 * size;  // "V - 00:01:234", about 0.55 of the size a character
    const int x = std::clamp(screenWidth / 2 - textWidth / 2, 0, kSliderMax);
    const int y = std::clamp(screenHeight / 8, 0, kSliderMax);
    return {x,
            y,
            kYellow,
            size,
            std::clamp(x - kPicture - size, 0, kSliderMax),
            std::clamp(y + size - kPicture / 2, 0, kSliderMax)};
}

}  // namespace rennlupe::ui
