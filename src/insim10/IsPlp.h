#pragma once

#include "insim10/PacketTypes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_PLP, 4 bytes, player went to the pit settings and keeps its slot: 2 ReqI | 3 PLID
struct IsPlp {
    static constexpr std::uint8_t kType = kIspPlp;
    static constexpr std::size_t kSize = 4;

    std::uint8_t ReqI = 0;
    std::uint8_t PLID = 0;

    static std::optional<IsPlp> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsPlp&) const = default;
};

}  // namespace rennlupe::insim10
