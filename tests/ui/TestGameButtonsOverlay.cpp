#include "ui/GameButtonsOverlay.h"
#include "ui/GameColour.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::ui {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The sliders' pixels on the game's screen onto its 200 x 200 grid: L, T, W, H of the first
// line's button, which must stay inside the grid at every corner.
TEST(GameButtonsOverlay, MapsTheSlidersOntoTheGridAtItsCornersAndMiddle) {
    for (const auto& [x, y, size, width, height, expected] :
         std::vector<std::tuple<int, int, int, int, int, Bytes>>{
             {0, 0, 22, 1920, 1080, {0, 0, 19, 4}},
             {960, 540, 22, 1920, 1080, {100, 100, 19, 4}},
             {1920, 1080, 22, 1920, 1080, {199, 199, 1, 1}},
             {1910, 0, 22, 1920, 1080, {199, 0, 1, 4}},
             {0, 1075, 100, 1920, 1080, {0, 199, 85, 1}},
             {1280, 720, 22, 2560, 1440, {100, 100, 15, 3}},
             {400, 300, 0, 800, 600, {100, 100, 7, 1}}}) {
        Bytes sent;
        GameButtonsOverlay buttons([&sent](std::span<const std::uint8_t> packet) {
            if (sent.empty()) {
                sent.assign(packet.begin(), packet.end());
            }
        });
        buttons.setOptions({.clickBase = 10, .screenWidth = width, .screenHeight = height});
        buttons.GPML_SetTextMultilineData(static_cast<std::int16_t>(x),
                                          static_cast<std::int16_t>(y), "V - 00:01:234", -1, 0,
                                          static_cast<std::uint8_t>(size), -1, 300, 400, 1);
        buttons.linkUp();
        buttons.GPML_ShowText(-1);
        ASSERT_GE(sent.size(), 12U);
        EXPECT_EQ(sent[4], 10);  // the ClickID base
        EXPECT_EQ(Bytes(sent.begin() + 8, sent.begin() + 12), expected) << x << "," << y;
    }
}

TEST(GameButtonsOverlay, TakesTheNearestColourCodeOrButtonStyle) {
    for (const auto& [argb, code, style] : std::vector<std::tuple<std::uint32_t, std::string, int>>{
             {0xFFE8FD00, "^3", 0},     // the sliders' default yellow
             {0xFFF01010, "^1", 0},     // red
             {0xFF10E020, "^2", 0},     // green
             {0xFF000010, "^0", 0},     // black
             {0xFFFFFFFF, "^7", 0},     // white
             {0xFFB0B8C0, "", 0},       // light grey: the button's own colour
             {0xFF90C0F0, "", 6},       // pale blue: the text style
             {0x00FF00FF, "^5", 0}}) {  // alpha does not count
        const GameColour colour = nearestGameColour(argb);
        EXPECT_EQ(std::tuple(std::string(colour.code), int{colour.style}), std::tuple(code, style))
            << std::hex << argb;
    }
}

}  // namespace
}  // namespace rennlupe::ui
