#pragma once

#include "insim10/PacketTypes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_PLL, 4 bytes, player left the race; its PLID is gone: 2 ReqI | 3 PLID
struct IsPll {
    static constexpr std::uint8_t kType = kIspPll;
    static constexpr std::size_t kSize = 4;

    std::uint8_t ReqI = 0;
    std::uint8_t PLID = 0;

    static std::optional<IsPll> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsPll&) const = default;
};

}  // namespace rennlupe::insim10
