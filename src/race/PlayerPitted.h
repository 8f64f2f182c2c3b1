#pragma once

#include <cstdint>

namespace rennlupe::race {

// The player went to the pit settings; it keeps its PLID and its slot.
struct PlayerPitted {
    std::uint8_t plid = 0;
};

}  // namespace rennlupe::race
