#pragma once

#include "insim10/IsNpl.h"

#include <cstdint>

namespace rennlupe::tools {

// The new-player packet of the stand-in game's driver with this PLID (1 to 48):
// names from several code pages, cars, plates and skins in turn.
insim10::IsNpl driverOf(std::uint8_t plid);

}  // namespace rennlupe::tools
