#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_BFN, 8 bytes, both ways: 2 ReqI | 3 SubT (BFN_x) | 4 UCID | 5 ClickID | 6 ClickMax | 7 Inst
struct IsBfn {
    static constexpr std::uint8_t kType = kIspBfn;
    static constexpr std::size_t kSize = 8;

    std::uint8_t ReqI = 0;
    std::uint8_t SubT = 0;
    std::uint8_t UCID = 0;
    std::uint8_t ClickID = 0;
    std::uint8_t ClickMax = 0;
    std::uint8_t Inst = 0;

    static std::optional<IsBfn> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
};

}  // namespace rennlupe::insim10
