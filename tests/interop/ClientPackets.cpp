// Prints the client packets Rennlupe writes, one "NAME HEX" line each, for checkClientPackets.mjs.
#include "insim10/ButtonFunctions.h"
#include "insim10/ButtonStyle.h"
#include "insim10/IsBfn.h"
#include "insim10/IsBtn.h"
#include "insim10/IsiFlags.h"
#include "insim10/IsIsi.h"
#include "insim10/IsMst.h"
#include "insim10/IsMsx.h"
#include "insim10/IsSmall.h"
#include "insim10/IsTiny.h"
#include "insim10/SmallTypes.h"
#include "insim10/TinyTypes.h"
#include "ui/GameButtonsOverlay.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

namespace {

using namespace rennlupe::insim10;

void print(std::string_view name, std::span<const std::uint8_t> bytes) {
    std::printf("%.*s ", static_cast<int>(name.size()), name.data());
    for (const std::uint8_t byte : bytes) {
        std::printf("%02x", byte);
    }
    std::printf("\n");
}

}  // namespace

int main() {
    print("ISI", IsIsi{1, 29998, kIsfMci | kIsfLocal, 10, '!', 100, "pass", "Rennlupe"}.bytes());
    print("TINY_NONE", IsTiny{0, kTinyNone}.bytes());
    print("TINY_VER", IsTiny{7, kTinyVer}.bytes());
    print("TINY_NPL", IsTiny{2, kTinyNpl}.bytes());
    print("TINY_SST", IsTiny{3, kTinySst}.bytes());
    print("TINY_RST", IsTiny{4, kTinyRst}.bytes());
    print("TINY_CLOSE", IsTiny{0, kTinyClose}.bytes());
    print("SMALL_SSG", IsSmall{0, kSmallSsg, 10}.bytes());
    print("MST", IsMst{"/echo hi"}.bytes());
    print("MSX", IsMsx{"Rennlupe shows the gap to the car ahead and to the car behind, "
                       "on every lap of the race, at each split"}
                     .bytes());
    print("BTN", IsBtn{5, 0, 12, kInstAlwaysOn, kIsbDark | kIsbLeft | kIsbcTitle, 0, 10, 40, 30, 6,
                       "V - 00:01:234"}
                     .bytes());
    print("BFN", IsBfn{0, kBfnDelBtn, 0, 12, 20, 0}.bytes());
    // The first gap line as the game's buttons draw it: the text at 960, 540 of the game's
    // 1920 x 1080 screen, 22 pixels tall, in the sliders' default yellow.
    std::vector<std::uint8_t> drawn;
    rennlupe::ui::GameButtonsOverlay buttons([&drawn](std::span<const std::uint8_t> packet) {
        if (drawn.empty()) {
            drawn.assign(packet.begin(), packet.end());
        }
    });
    buttons.GPML_SetTextMultilineData(960, 540, "V - 00:01:234\rH - 00:00:567",
                                      static_cast<std::int32_t>(0xFFE8FD00U), 0, 22, -1, 300, 400,
                                      1);
    buttons.linkUp();
    buttons.GPML_ShowText(-1);
    print("BTN_DRAWN", drawn);
    return 0;
}
