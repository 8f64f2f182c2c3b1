#pragma once

#include <cstddef>
#include <cstdint>

namespace rennlupe::insim10 {

class ByteReader;

// One car of IS_NLP, 6 bytes: 0 Node u16 | 2 Lap u16 | 4 PLID | 5 Position (0 unknown, 1 leader)
struct NodeLap {
    static constexpr std::size_t kSize = 6;

    std::uint16_t Node = 0;
    std::uint16_t Lap = 0;
    std::uint8_t PLID = 0;
    std::uint8_t Position = 0;

    static NodeLap read(const ByteReader& in, std::size_t offset);
};

}  // namespace rennlupe::insim10
