#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_NPL, 76 bytes: 2 ReqI | 3 PLID | 4 UCID | 5 PType | 6 Flags u16 | 8 PName[24] | 32 Plate[8]
//   40 CName[4] | 44 SName[16] | 60 Tyres[4] | 64 H_Mass | 65 H_TRes | 66 Model | 67 Pass
//   68 RWAdj | 69 FWAdj | 70 RIFlags | 71 Sp3 | 72 SetF | 73 NumP (0: join request) | 74 Config |
//   75 Fuel
struct IsNpl {
    static constexpr std::uint8_t kType = kIspNpl;
    static constexpr std::size_t kSize = 76;

    std::uint8_t ReqI = 0;
    std::uint8_t PLID = 0;
    std::uint8_t UCID = 0;
    std::uint8_t PType = 0;
    std::uint16_t Flags = 0;
    std::array<std::uint8_t, 24> PName{};
    std::array<std::uint8_t, 8> Plate{};
    std::array<std::uint8_t, 4> CName{};  // a mod's SkinID, not text, for mod cars
    std::array<std::uint8_t, 16> SName{};
    std::array<std::uint8_t, 4> Tyres{};
    std::uint8_t H_Mass = 0;
    std::uint8_t H_TRes = 0;
    std::uint8_t Model = 0;
    std::uint8_t Pass = 0;
    std::uint8_t RWAdj = 0;
    std::uint8_t FWAdj = 0;
    std::uint8_t RIFlags = 0;
    std::uint8_t SetF = 0;
    std::uint8_t NumP = 0;
    std::uint8_t Config = 0;
    std::uint8_t Fuel = 0;

    static std::optional<IsNpl> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsNpl&) const = default;
};

}  // namespace rennlupe::insim10
