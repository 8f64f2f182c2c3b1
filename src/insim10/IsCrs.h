#pragma once

#include "insim10/PacketTypes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_CRS, 4 bytes, car reset: 2 ReqI | 3 PLID
struct IsCrs {
    static constexpr std::uint8_t kType = kIspCrs;
    static constexpr std::size_t kSize = 4;

    std::uint8_t ReqI = 0;
    std::uint8_t PLID = 0;

    static std::optional<IsCrs> read(std::span<const std::uint8_t> packet);
};

}  // namespace rennlupe::insim10
