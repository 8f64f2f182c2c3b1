#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_SMALL, 8 bytes, both ways: 2 ReqI | 3 SubT (SMALL_x) | 4 UVal u32
struct IsSmall {
    static constexpr std::uint8_t kType = kIspSmall;
    static constexpr std::size_t kSize = 8;

    std::uint8_t ReqI = 0;
    std::uint8_t SubT = 0;
    std::uint32_t UVal = 0;

    static std::optional<IsSmall> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsSmall&) const = default;
};

}  // namespace rennlupe::insim10
