#pragma once

#include "insim10/Packet.h"
#include "race/RaceModel.h"

namespace rennlupe::insim10 {

// Gives the model the race events of one decoded packet; packets without one change nothing
// and give false. MCI and NLP become car samples, a set marked from its first car to its last.
bool feedRace(const Packet& packet, race::RaceModel& model);

}  // namespace rennlupe::insim10
