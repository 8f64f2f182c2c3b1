#pragma once

#include "net/okSocket.h"

#include <cstdint>
#include <string_view>

namespace rennlupe::insim {

// A line of chat or a game command (UTF-8, sent in Windows-1252 and cut to
// its first 63 bytes).
void SendMST(net::okSocket& InSimSocket, std::int32_t lngSocket, std::string_view text);

}  // namespace rennlupe::insim
