#pragma once

#include <cstdint>

namespace rennlupe::insim10 {

// The Type byte (byte 1) of the packets this library reads or writes.
inline constexpr std::uint8_t kIspIsi = 1;
inline constexpr std::uint8_t kIspVer = 2;
inline constexpr std::uint8_t kIspTiny = 3;
inline constexpr std::uint8_t kIspSmall = 4;
inline constexpr std::uint8_t kIspSta = 5;
inline constexpr std::uint8_t kIspMso = 11;
inline constexpr std::uint8_t kIspMst = 13;
inline constexpr std::uint8_t kIspRst = 17;
inline constexpr std::uint8_t kIspCnl = 19;
inline constexpr std::uint8_t kIspNpl = 21;
inline constexpr std::uint8_t kIspPlp = 22;
inline constexpr std::uint8_t kIspPll = 23;
inline constexpr std::uint8_t kIspLap = 24;
inline constexpr std::uint8_t kIspSpx = 25;
inline constexpr std::uint8_t kIspNlp = 37;
inline constexpr std::uint8_t kIspMci = 38;
inline constexpr std::uint8_t kIspMsx = 39;
inline constexpr std::uint8_t kIspCrs = 41;
inline constexpr std::uint8_t kIspBfn = 42;
inline constexpr std::uint8_t kIspBtn = 45;
inline constexpr std::uint8_t kIspBtc = 46;

}  // namespace rennlupe::insim10
