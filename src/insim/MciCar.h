#pragma once

#include "insim/PacketBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// Car record inside MCI, 24 bytes: 0 node low | 1 node high (bits 1-5; bits
// 6-8 are flags) | 2 Lap | 3 PlayerId (0 marks an empty record) | 4 -
struct MciCar {
    static constexpr std::size_t kSize = 24;
    static constexpr std::size_t kNodeLowOffset = 0;
    static constexpr std::size_t kNodeHighOffset = 1;
    static constexpr std::size_t kLapOffset = 2;
    static constexpr std::size_t kPlayerIdOffset = 3;
    // The flag bits of the node's high byte, cleared in this order.
    static constexpr std::array<std::uint8_t, 3> kNodeFlagBits = {6, 7, 8};

    std::int16_t Node = 0;  // 0 to 8191
    std::uint8_t Lap = 0;
    std::uint8_t PlayerId = 0;

    static MciCar read(const PacketBytes& bytes, std::size_t offset);
    // Into the car's 24 bytes; nodeFlags holds only bits 6 to 8 (32, 64, 128).
    void write(std::span<std::uint8_t> car, std::uint8_t nodeFlags) const;
};

}  // namespace rennlupe::insim
