#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_TINY, 4 bytes, both ways: 0 Size 1 | 1 Type | 2 ReqI | 3 SubT (TINY_x)
struct IsTiny {
    static constexpr std::uint8_t kType = kIspTiny;
    static constexpr std::size_t kSize = 4;

    std::uint8_t ReqI = 0;
    std::uint8_t SubT = 0;

    static std::optional<IsTiny> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsTiny&) const = default;
};

}  // namespace rennlupe::insim10
