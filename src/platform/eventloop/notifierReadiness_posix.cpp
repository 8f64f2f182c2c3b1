#include "platform/eventloop/notifierReadiness.h"

#include <poll.h>

namespace rennlupe::platform {

bool waitsToRead(const WatchArming& watch) {
    return (pollEventsFor(watch) & POLLIN) != 0;
}

bool waitsToWrite(const WatchArming& watch) {
    return (pollEventsFor(watch) & POLLOUT) != 0;
}

ReadinessCodes readyNow(EventLoop::Descriptor descriptor, WatchArming& watch) {
    pollfd polled{static_cast<int>(descriptor), pollEventsFor(watch), 0};
    if (polled.events == 0 || ::poll(&polled, 1, 0) <= 0) {
        return {};
    }
    // Closed without being unwatched: left out from now on, not polled in a spin.
    if ((polled.revents & POLLNVAL) != 0) {
        watch.quiet = true;
        return {};
    }
    return readinessCodes(descriptor, watch, polled.revents);
}

}  // namespace rennlupe::platform
