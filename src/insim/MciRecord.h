#pragma once

#include "insim/MciCar.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// MCI, 204 bytes: 0 "MCI" | 3 - | 4 NumNodes u16 | 6 FinishNode u16 | 8 NumPlayers
//   9 FirstCar (0, 8 or 16) | 10 - | 12 Cars[8], car k at 12 + 24 * k
// The two 16-bit fields stay raw bytes: forming them may overflow, and that
// failure belongs to the step of the handling that forms them.
struct MciRecord {
    static constexpr std::size_t kSize = 204;
    static constexpr std::size_t kNumNodesOffset = 4;
    static constexpr std::size_t kFinishNodeOffset = 6;
    static constexpr std::size_t kNumPlayersOffset = 8;
    static constexpr std::size_t kFirstCarOffset = 9;
    static constexpr std::size_t kCarsOffset = 12;
    static constexpr std::size_t kCarCount = 8;

    std::array<std::uint8_t, 2> NumNodesBytes{};  // low, high
    std::array<std::uint8_t, 2> FinishNodeBytes{};
    std::uint8_t NumPlayers = 0;
    std::uint8_t FirstCar = 0;
    std::array<MciCar, kCarCount> Cars{};

    // Throw Overflow when the high byte is 128 or more.
    std::int16_t NumNodes() const;
    std::int16_t FinishNode() const;

    static MciRecord read(std::span<const std::uint8_t> datagram);
    // Each car's node flags go into bits 6 to 8 of its node's high byte.
    std::array<std::uint8_t, kSize> write(
        const std::array<std::uint8_t, kCarCount>& nodeFlags = {}) const;
};

}  // namespace rennlupe::insim
