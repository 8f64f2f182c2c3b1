#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_RST, 28 bytes: 2 ReqI | 4 RaceLaps | 5 QualMins | 6 NumP | 7 Timing | 8 Track[6] | 14 Weather
//   15 Wind | 16 Flags u16 | 18 NumNodes u16 | 20 Finish u16 | 22, 24, 26 Split1..3 u16
struct IsRst {
    static constexpr std::uint8_t kType = kIspRst;
    static constexpr std::size_t kSize = 28;

    std::uint8_t ReqI = 0;
    std::uint8_t RaceLaps = 0;
    std::uint8_t QualMins = 0;
    std::uint8_t NumP = 0;
    std::uint8_t Timing = 0;
    std::array<std::uint8_t, 6> Track{};
    std::uint8_t Weather = 0;
    std::uint8_t Wind = 0;
    std::uint16_t Flags = 0;
    std::uint16_t NumNodes = 0;
    std::uint16_t Finish = 0;
    std::uint16_t Split1 = 0;
    std::uint16_t Split2 = 0;
    std::uint16_t Split3 = 0;

    static std::optional<IsRst> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsRst&) const = default;
};

}  // namespace rennlupe::insim10
