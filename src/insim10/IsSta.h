#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_STA, 28 bytes: 2 ReqI | 4 ReplaySpeed f32 | 8 Flags u16 | 10 InGameCam | 11 ViewPLID
//   12 NumP | 13 NumConns | 14 NumFinished | 15 RaceInProg | 16 QualMins | 17 RaceLaps | 18 Sp2
//   19 ServerStatus | 20 Track[6] | 26 Weather | 27 Wind
struct IsSta {
    static constexpr std::uint8_t kType = kIspSta;
    static constexpr std::size_t kSize = 28;

    std::uint8_t ReqI = 0;
    float ReplaySpeed = 0.0F;
    std::uint16_t Flags = 0;
    std::uint8_t InGameCam = 0;
    std::uint8_t ViewPLID = 0;
    std::uint8_t NumP = 0;
    std::uint8_t NumConns = 0;
    std::uint8_t NumFinished = 0;
    std::uint8_t RaceInProg = 0;
    std::uint8_t QualMins = 0;
    std::uint8_t RaceLaps = 0;
    std::uint8_t ServerStatus = 0;
    std::array<std::uint8_t, 6> Track{};
    std::uint8_t Weather = 0;
    std::uint8_t Wind = 0;

    static std::optional<IsSta> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsSta&) const = default;
};

}  // namespace rennlupe::insim10
