#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace rennlupe::insim10 {

// IS_MSX, 100 bytes, a longer message, never a command: 4 Msg[96], its last byte always 0
struct IsMsx {
    static constexpr std::uint8_t kType = kIspMsx;
    static constexpr std::size_t kSize = 100;

    std::string Msg;  // bytes in the game's code page; cut to 95

    std::array<std::uint8_t, kSize> bytes() const;
};

}  // namespace rennlupe::insim10
