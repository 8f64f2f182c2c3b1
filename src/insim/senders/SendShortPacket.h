#pragma once

#include "net/okSocket.h"

#include <cstdint>
#include <string_view>

namespace rennlupe::insim {

// An 8-byte request: a three-letter identifier and three byte parameters.
void SendShortPacket(net::okSocket& InSimSocket, std::int32_t lngSocket, std::string_view id,
                     std::uint8_t p1, std::uint8_t p2, std::uint8_t p3);

}  // namespace rennlupe::insim
