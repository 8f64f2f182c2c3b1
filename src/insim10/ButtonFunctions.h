#pragma once

#include <cstdint>

namespace rennlupe::insim10 {

// IS_BFN's SubT.
inline constexpr std::uint8_t kBfnDelBtn = 0;     // delete ClickID..ClickMax
inline constexpr std::uint8_t kBfnClear = 1;      // delete all of this program's buttons
inline constexpr std::uint8_t kBfnUserClear = 2;  // the user cleared them: stop sending
inline constexpr std::uint8_t kBfnRequest = 3;    // the user asks for them back

}  // namespace rennlupe::insim10
