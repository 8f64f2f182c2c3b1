#pragma once

#include "insim10/PacketTypes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_CNL, 8 bytes, a connection left: 2 ReqI | 3 UCID | 4 Reason (LEAVR_x) | 5 Total | 6 Sp2
struct IsCnl {
    static constexpr std::uint8_t kType = kIspCnl;
    static constexpr std::size_t kSize = 8;

    std::uint8_t ReqI = 0;
    std::uint8_t UCID = 0;
    std::uint8_t Reason = 0;
    std::uint8_t Total = 0;

    static std::optional<IsCnl> read(std::span<const std::uint8_t> packet);
};

}  // namespace rennlupe::insim10
