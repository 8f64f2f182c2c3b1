#pragma once

#include <cstddef>

namespace rennlupe::insim {

// MST, 68 bytes: 0 "MST" 0 | 4 message text[64], at most 63 bytes of text
//   and always a zero at byte 67
struct MstRecord {
    static constexpr std::size_t kSize = 68;
    static constexpr std::size_t kMessageOffset = 4;
    static constexpr std::size_t kMessageSize = 64;
    static constexpr std::size_t kMessageTextMax = 63;
};

}  // namespace rennlupe::insim
