#pragma once

#include <cstdint>

namespace rennlupe::race {

// The car the game's camera shows; PLID 0 is none.
struct ViewedCar {
    std::uint8_t plid = 0;
};

}  // namespace rennlupe::race
