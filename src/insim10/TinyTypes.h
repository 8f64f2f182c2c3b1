#pragma once

#include <cstdint>

namespace rennlupe::insim10 {

// IS_TINY's SubT (byte 3).
inline constexpr std::uint8_t kTinyNone = 0;  // keep-alive, both ways
inline constexpr std::uint8_t kTinyVer = 1;
inline constexpr std::uint8_t kTinyClose = 2;
inline constexpr std::uint8_t kTinyPing = 3;
inline constexpr std::uint8_t kTinyReply = 4;
inline constexpr std::uint8_t kTinyVtc = 5;
inline constexpr std::uint8_t kTinyScp = 6;
inline constexpr std::uint8_t kTinySst = 7;
inline constexpr std::uint8_t kTinyGtm = 8;
inline constexpr std::uint8_t kTinyMpe = 9;
inline constexpr std::uint8_t kTinyIsm = 10;
inline constexpr std::uint8_t kTinyRen = 11;
inline constexpr std::uint8_t kTinyClr = 12;
inline constexpr std::uint8_t kTinyNcn = 13;
inline constexpr std::uint8_t kTinyNpl = 14;
inline constexpr std::uint8_t kTinyRes = 15;
inline constexpr std::uint8_t kTinyNlp = 16;
inline constexpr std::uint8_t kTinyMci = 17;
inline constexpr std::uint8_t kTinyReo = 18;
inline constexpr std::uint8_t kTinyRst = 19;
inline constexpr std::uint8_t kTinyAxi = 20;
inline constexpr std::uint8_t kTinyAxc = 21;
inline constexpr std::uint8_t kTinyRip = 22;
inline constexpr std::uint8_t kTinyNci = 23;
inline constexpr std::uint8_t kTinyAlc = 24;
inline constexpr std::uint8_t kTinyAxm = 25;
inline constexpr std::uint8_t kTinySlc = 26;
inline constexpr std::uint8_t kTinyMal = 27;
inline constexpr std::uint8_t kTinyPlh = 28;
inline constexpr std::uint8_t kTinyIpb = 29;
inline constexpr std::uint8_t kTinyLcl = 30;

}  // namespace rennlupe::insim10
