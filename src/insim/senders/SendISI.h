#pragma once

#include "net/okSocket.h"

#include <cstdint>
#include <string_view>

namespace rennlupe::insim {

// The InSim initialisation: the game is to answer to port, and password
// (UTF-8, sent in Windows-1252) admits us. A port outside 0 to 65535 is an
// Overflow, as its high byte does not fit.
void SendISI(net::okSocket& InSimSocket, std::int32_t lngSocket, std::int32_t port,
             std::string_view password);

}  // namespace rennlupe::insim
