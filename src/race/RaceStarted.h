#pragma once

#include <array>
#include <cstdint>

namespace rennlupe::race {

// A race (re)started on a path of numNodes nodes.
struct RaceStarted {
    std::uint16_t numNodes = 0;
    std::uint16_t finishNode = 0;
    std::array<std::uint16_t, 3> splitNodes{};
    std::uint8_t laps = 0;  // the game's byte: 0 practice, 1-99 laps, 100-190 and 191-238 coded
};

}  // namespace rennlupe::race
