#pragma once

#include "insim10/PacketTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace rennlupe::insim10 {

// IS_VER, 20 bytes: 2 ReqI | 4 Version[8] | 12 Product[6] | 18 InSimVer | 19 Spare
struct IsVer {
    static constexpr std::uint8_t kType = kIspVer;
    static constexpr std::size_t kSize = 20;

    std::uint8_t ReqI = 0;
    std::array<std::uint8_t, 8> Version{};
    std::array<std::uint8_t, 6> Product{};
    std::uint8_t InSimVer = 0;

    static std::optional<IsVer> read(std::span<const std::uint8_t> packet);
    std::array<std::uint8_t, kSize> bytes() const;
    bool operator==(const IsVer&) const = default;
};

}  // namespace rennlupe::insim10
