#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rennlupe::insim {

// ISI, 24 bytes: 0 "ISI" 0 | 4 reply port u16 (low byte first) | 6 flags | 7 0
//   8 admin password text[16], zero where the password has no character
struct IsiRecord {
    static constexpr std::size_t kSize = 24;
    static constexpr std::size_t kPortOffset = 4;
    static constexpr std::size_t kFlagsOffset = 6;
    static constexpr std::size_t kAdminOffset = 8;
    static constexpr std::size_t kAdminSize = 16;
    static constexpr std::uint8_t kFlags = 53;

    std::uint16_t Port = 0;
    std::uint8_t Flags = 0;
    std::array<std::uint8_t, kAdminSize> Admin{};

    // The game's side: the stand-in game reads what the program sent.
    static IsiRecord read(std::span<const std::uint8_t> datagram);
};

}  // namespace rennlupe::insim
