#pragma once

#include <cstdint>

namespace rennlupe::insim10 {

// IS_BTN's BStyle: a colour in bits 0-2, then the style bits.
inline constexpr std::uint8_t kIsbcLightGrey = 0;
inline constexpr std::uint8_t kIsbcTitle = 1;
inline constexpr std::uint8_t kIsbcUnselected = 2;
inline constexpr std::uint8_t kIsbcSelected = 3;
inline constexpr std::uint8_t kIsbcOk = 4;
inline constexpr std::uint8_t kIsbcCancel = 5;
inline constexpr std::uint8_t kIsbcTextString = 6;
inline constexpr std::uint8_t kIsbcUnavailable = 7;
inline constexpr std::uint8_t kIsbClick = 0x8;
inline constexpr std::uint8_t kIsbLight = 0x10;
inline constexpr std::uint8_t kIsbDark = 0x20;
inline constexpr std::uint8_t kIsbLeft = 0x40;
inline constexpr std::uint8_t kIsbRight = 0x80;

// IS_BTN's Inst: shown on every screen, not only in the game's own.
inline constexpr std::uint8_t kInstAlwaysOn = 0x80;

}  // namespace rennlupe::insim10
