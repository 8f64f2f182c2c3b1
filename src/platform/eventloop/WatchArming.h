#pragma once

#include "platform/eventloop/SocketRole.h"

namespace rennlupe::platform {

// What a watched socket may be told next: its role, the codes it asked for,
// and which conditions are armed again since it last acted on them.
struct WatchArming {
    SocketRole role = SocketRole::Datagram;
    int mask = 0;
    bool readArmed = true;
    bool writeArmed = true;
    bool acceptArmed = true;
    bool quiet = false;  // closed without being unwatched: never polled again
};

}  // namespace rennlupe::platform
