#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace rennlupe::insim10 {

// IS_MST, 68 bytes, type message or /command: 4 Msg[64], its last byte always 0
struct IsMst {
    static constexpr std::uint8_t kType = kIspMst;
    static constexpr std::size_t kSize = 68;

    std::string Msg;  // bytes in the game's code page; cut to 63

    std::array<std::uint8_t, kSize> bytes() const;
};

}  // namespace rennlupe::insim10
