#pragma once

#include "insim10/PacketTypes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_LAP, 20 bytes: 2 ReqI | 3 PLID | 4 LTime u32 ms | 8 ETime u32 ms | 12 LapsDone u16
//   14 Flags u16 (PIF_x) | 16 Sp0 | 17 Penalty | 18 NumStops | 19 Fuel200
struct IsLap {
    static constexpr std::uint8_t kType = kIspLap;
    static constexpr std::size_t kSize = 20;

    std::uint8_t ReqI = 0;
    std::uint8_t PLID = 0;
    std::uint32_t LTime = 0;
    std::uint32_t ETime = 0;
    std::uint16_t LapsDone = 0;
    std::uint16_t Flags = 0;
    std::uint8_t Penalty = 0;
    std::uint8_t NumStops = 0;
    std::uint8_t Fuel200 = 0;

    static std::optional<IsLap> read(std::span<const std::uint8_t> packet);
};

}  // namespace rennlupe::insim10
