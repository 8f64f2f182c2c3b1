#pragma once

#include <cstdint>

namespace rennlupe::insim10 {

// IS_ISI's Flags word.
inline constexpr std::uint16_t kIsfRes0 = 0x1;
inline constexpr std::uint16_t kIsfRes1 = 0x2;
inline constexpr std::uint16_t kIsfLocal = 0x4;  // buttons go to the local area
inline constexpr std::uint16_t kIsfMsoCols = 0x8;
inline constexpr std::uint16_t kIsfNlp = 0x10;
inline constexpr std::uint16_t kIsfMci = 0x20;
inline constexpr std::uint16_t kIsfCon = 0x40;
inline constexpr std::uint16_t kIsfObh = 0x80;
inline constexpr std::uint16_t kIsfHlv = 0x100;
inline constexpr std::uint16_t kIsfAxmLoad = 0x200;
inline constexpr std::uint16_t kIsfAxmEdit = 0x400;
inline constexpr std::uint16_t kIsfReqJoin = 0x800;
inline constexpr std::uint16_t kIsfSet = 0x1000;

}  // namespace rennlupe::insim10
