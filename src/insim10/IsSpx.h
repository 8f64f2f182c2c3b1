#pragma once

#include "insim10/PacketTypes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_SPX, 16 bytes: 2 ReqI | 3 PLID | 4 STime u32 ms | 8 ETime u32 ms | 12 Split (1-3)
//   13 Penalty | 14 NumStops | 15 Fuel200
struct IsSpx {
    static constexpr std::uint8_t kType = kIspSpx;
    static constexpr std::size_t kSize = 16;

    std::uint8_t ReqI = 0;
    std::uint8_t PLID = 0;
    std::uint32_t STime = 0;
    std::uint32_t ETime = 0;
    std::uint8_t Split = 0;
    std::uint8_t Penalty = 0;
    std::uint8_t NumStops = 0;
    std::uint8_t Fuel200 = 0;

    static std::optional<IsSpx> read(std::span<const std::uint8_t> packet);
};

}  // namespace rennlupe::insim10
