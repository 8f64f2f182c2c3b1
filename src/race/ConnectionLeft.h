#pragma once

#include <cstdint>

namespace rennlupe::race {

// A connection left the game, and its players with it.
struct ConnectionLeft {
    std::uint8_t connection = 0;
};

}  // namespace rennlupe::race
