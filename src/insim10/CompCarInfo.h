#pragma once

#include <cstdint>

namespace rennlupe::insim10 {

// CompCar's Info bits.
inline constexpr std::uint8_t kCciBlue = 0x1;
inline constexpr std::uint8_t kCciYellow = 0x2;
inline constexpr std::uint8_t kCciOob = 0x4;
inline constexpr std::uint8_t kCciRetired = 0x8;
inline constexpr std::uint8_t kCciLag = 0x20;
inline constexpr std::uint8_t kCciFirst = 0x40;  // first car of a set of MCI packets
inline constexpr std::uint8_t kCciLast = 0x80;   // last car of the set

}  // namespace rennlupe::insim10
