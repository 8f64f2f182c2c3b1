#include "platform/eventloop/notifierReadiness.h"

#include "platform/eventloop/pollSystem.h"

#include <array>

namespace rennlupe::platform {

bool waitsToRead(const WatchArming& watch) {
    return (pollEventsFor(watch) & kPollIn) != 0;
}

bool waitsToWrite(const WatchArming& watch) {
    return (pollEventsFor(watch) & kPollOut) != 0;
}

ReadinessCodes readyNow(EventLoop::Descriptor descriptor, WatchArming& watch) {
    std::array<PolledDescriptor, 1> polled{{{descriptor, pollEventsFor(watch), 0}}};
    if (polled[0].events == 0 || pollDescriptors(polled, 0) <= 0) {
        return {};
    }
    // Closed without being unwatched: left out from now on, not polled in a spin.
    if ((polled[0].revents & kPollInvalid) != 0) {
        watch.quiet = true;
        return {};
    }
    return readinessCodes(descriptor, watch, polled[0].revents);
}

}  // namespace rennlupe::platform
