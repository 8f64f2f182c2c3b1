#pragma once

#include "platform/eventloop/EventLoop.h"
#include "platform/eventloop/WatchArming.h"

#include <array>
#include <cstddef>

// The notification rules both loops share: which poll events a watch waits
// for, and which codes a poll result gives, in the order they are delivered.
namespace rennlupe::platform {

struct Readiness {
    int code = 0;
    bool failed = false;
};

struct ReadinessCodes {
    std::array<Readiness, 2> codes{};
    std::size_t count = 0;
};

// A new watch: everything armed but writing on a listening socket.
WatchArming armedFor(SocketRole role, int mask);
// The watcher acted on code (a read, an accept, a send that would block): report it again.
void rearmCode(WatchArming& watch, int code);

// A code is about to be delivered: disarm what it reports and update the role.
// True when the watcher asked for it and it is still wanted.
bool consumeReadiness(WatchArming& watch, int code, bool failed);

short pollEventsFor(const WatchArming& watch);
ReadinessCodes readinessCodes(EventLoop::Descriptor descriptor, const WatchArming& watch,
                              short revents);

}  // namespace rennlupe::platform
