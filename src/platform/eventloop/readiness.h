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

short pollEventsFor(const WatchArming& watch);
ReadinessCodes readinessCodes(EventLoop::Descriptor descriptor, const WatchArming& watch,
                              short revents);

}  // namespace rennlupe::platform
