#pragma once

#include <cstdint>

namespace rennlupe::race {

// One car of a set of positions; a set runs from the sample marked first to the one marked last.
struct CarSample {
    std::uint8_t plid = 0;
    std::uint16_t node = 0;
    std::uint16_t lap = 0;
    std::uint8_t position = 0;  // 1 is the leader, 0 unknown
    std::int32_t x = 0;         // x, y, z: 65536 is 1 m
    std::int32_t y = 0;
    std::int32_t z = 0;
    std::uint16_t speed = 0;      // 32768 is 100 m/s
    std::uint16_t direction = 0;  // 0 is world Y, 32768 is 180 degrees
    bool first = false;
    bool last = false;
};

}  // namespace rennlupe::race
