#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_BTC, 8 bytes, game to client, a click on a button with ISB_CLICK:
//   2 ReqI | 3 UCID | 4 ClickID | 5 Inst | 6 CFlags (LMB 1, RMB 2, CTRL 4, SHIFT 8) | 7 Sp3
struct IsBtc {
    static constexpr std::uint8_t kType = kIspBtc;
    static constexpr std::size_t kSize = 8;

    std::uint8_t ReqI = 0;
    std::uint8_t UCID = 0;
    std::uint8_t ClickID = 0;
    std::uint8_t Inst = 0;
    std::uint8_t CFlags = 0;

    static std::optional<IsBtc> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
};

}  // namespace rennlupe::insim10
