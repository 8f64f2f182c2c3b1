#pragma once

#include <cstdint>

namespace rennlupe::race {

// The player left the race; its PLID is gone.
struct PlayerLeft {
    std::uint8_t plid = 0;
};

}  // namespace rennlupe::race
