#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace rennlupe::insim {

// The 8-byte requests (VER, ACK, ISC, NLI, SSG, NPL):
//   0 identifier text[3] 0 | 4 parameter 1 | 5 parameter 2 | 6 parameter 3 | 7 0
struct ShortPacketRecord {
    static constexpr std::size_t kSize = 8;
    static constexpr std::size_t kParameter1Offset = 4;
    static constexpr std::size_t kParameter2Offset = 5;
    static constexpr std::size_t kParameter3Offset = 6;

    std::uint8_t Parameter1 = 0;
    std::uint8_t Parameter2 = 0;
    std::uint8_t Parameter3 = 0;

    // The game's side: the stand-in game reads requests and writes the
    // short answers (ACK, RST) in the same layout.
    static ShortPacketRecord read(std::span<const std::uint8_t> datagram);
    std::array<std::uint8_t, kSize> write(std::string_view identifier) const;
};

}  // namespace rennlupe::insim
