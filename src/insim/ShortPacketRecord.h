#pragma once

#include <cstddef>

namespace rennlupe::insim {

// The 8-byte requests (VER, ACK, ISC, NLI, SSG, NPL):
//   0 identifier text[3] 0 | 4 parameter 1 | 5 parameter 2 | 6 parameter 3 | 7 0
struct ShortPacketRecord {
    static constexpr std::size_t kSize = 8;
    static constexpr std::size_t kParameter1Offset = 4;
    static constexpr std::size_t kParameter2Offset = 5;
    static constexpr std::size_t kParameter3Offset = 6;
};

}  // namespace rennlupe::insim
