#pragma once

#include <cstdint>

namespace rennlupe::insim10 {

// IS_SMALL's SubT (byte 3); UVal's meaning follows it.
inline constexpr std::uint8_t kSmallNone = 0;
inline constexpr std::uint8_t kSmallSsp = 1;  // OutSim interval, 0 = stop
inline constexpr std::uint8_t kSmallSsg = 2;  // OutGauge interval, 0 = stop
inline constexpr std::uint8_t kSmallVta = 3;
inline constexpr std::uint8_t kSmallRtp = 6;  // race time in ms
inline constexpr std::uint8_t kSmallNli = 7;  // NLP or MCI interval in ms, 0 = stop
inline constexpr std::uint8_t kSmallAlc = 8;
inline constexpr std::uint8_t kSmallLcs = 9;
inline constexpr std::uint8_t kSmallLcl = 10;
inline constexpr std::uint8_t kSmallAii = 11;

}  // namespace rennlupe::insim10
