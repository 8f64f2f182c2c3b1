#pragma once

#include <cstdint>
#include <string>

namespace rennlupe::race {

// A player joined the race, or left the pits when its PLID is already known.
struct PlayerJoined {
    std::uint8_t plid = 0;
    std::uint8_t connection = 0;
    std::string name;  // UTF-8
    bool ai = false;
    std::uint8_t numberInRace = 0;  // the game's NumP: 0 is a join request, not a join
};

}  // namespace rennlupe::race
