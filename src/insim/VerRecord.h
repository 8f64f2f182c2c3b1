#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// VER, 20 bytes: 0 "VER" | 3 - | 4 Version text[8] | 12 Product text[6] | 18 -
struct VerRecord {
    static constexpr std::size_t kSize = 20;
    static constexpr std::size_t kVersionOffset = 4;
    static constexpr std::size_t kVersionSize = 8;
    static constexpr std::size_t kProductOffset = 12;
    static constexpr std::size_t kProductSize = 6;

    std::array<std::uint8_t, kVersionSize> Version{};
    std::array<std::uint8_t, kProductSize> Product{};

    static VerRecord read(std::span<const std::uint8_t> datagram);
    std::array<std::uint8_t, kSize> write() const;
};

}  // namespace rennlupe::insim
