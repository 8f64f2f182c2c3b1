#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rennlupe::insim10 {

// IS_ISI, 44 bytes, opens InSim: 2 ReqI (non-zero asks for IS_VER) | 3 Zero | 4 UDPPort u16
//   6 Flags u16 (ISF_x) | 8 InSimVer | 9 Prefix | 10 Interval u16 ms | 12 Admin[16] | 28 IName[16]
struct IsIsi {
    static constexpr std::uint8_t kType = kIspIsi;
    static constexpr std::size_t kSize = 44;
    static constexpr std::uint8_t kInSimVersion = 10;

    std::uint8_t ReqI = 0;
    std::uint16_t UDPPort = 0;
    std::uint16_t Flags = 0;
    std::uint8_t InSimVer = kInSimVersion;
    std::uint8_t Prefix = 0;
    std::uint16_t Interval = 0;
    std::string Admin;  // bytes in the game's code page; cut to the field
    std::string IName;

    // Admin and IName up to their first 0.
    static std::optional<IsIsi> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsIsi&) const = default;
};

}  // namespace rennlupe::insim10
