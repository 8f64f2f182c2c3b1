#include "platform/eventloop/readiness.h"

#include "platform/eventloop/pollSystem.h"

#include <utility>

namespace rennlupe::platform {

WatchArming armedFor(SocketRole role, int mask) {
    WatchArming watch;
    watch.role = role;
    watch.mask = mask;
    watch.writeArmed = role != SocketRole::Listening;
    return watch;
}

void rearmCode(WatchArming& watch, int code) {
    if (code == EventLoop::kRead) {
        watch.readArmed = true;
    } else if (code == EventLoop::kWrite) {
        watch.writeArmed = true;
    } else if (code == EventLoop::kAccept) {
        watch.acceptArmed = true;
    }
}

bool consumeReadiness(WatchArming& watch, int code, bool failed) {
    bool wanted = false;
    switch (code) {
    case EventLoop::kRead:
        wanted = std::exchange(watch.readArmed, false);
        break;
    case EventLoop::kWrite:
        wanted = watch.role != SocketRole::Connecting && std::exchange(watch.writeArmed, false);
        break;
    case EventLoop::kAccept:
        wanted = std::exchange(watch.acceptArmed, false);
        break;
    case EventLoop::kConnect:
        wanted = watch.role == SocketRole::Connecting;
        watch.role = SocketRole::Connected;
        watch.quiet = failed;
        break;
    case EventLoop::kClose:
        wanted = true;
        watch.quiet = true;
        break;
    default:
        break;
    }
    return wanted && (watch.mask & code) != 0;
}

short pollEventsFor(const WatchArming& watch) {
    if (watch.quiet) {
        return 0;
    }
    int events = 0;
    switch (watch.role) {
    case SocketRole::Connecting:
        events = kPollOut;
        break;
    case SocketRole::Listening:
        events = watch.acceptArmed && (watch.mask & EventLoop::kAccept) != 0 ? kPollIn : 0;
        break;
    case SocketRole::Connected:
        if (watch.readArmed && (watch.mask & (EventLoop::kRead | EventLoop::kClose)) != 0) {
            events |= kPollIn | kPollPeerClosed;
        }
        if (watch.writeArmed && (watch.mask & EventLoop::kWrite) != 0) {
            events |= kPollOut;
        }
        break;
    case SocketRole::Datagram:
        if (watch.readArmed && (watch.mask & EventLoop::kRead) != 0) {
            events |= kPollIn;
        }
        if (watch.writeArmed && (watch.mask & EventLoop::kWrite) != 0) {
            events |= kPollOut;
        }
        break;
    }
    return static_cast<short>(events);
}

ReadinessCodes readinessCodes(EventLoop::Descriptor descriptor, const WatchArming& watch,
                              short revents) {
    ReadinessCodes result;
    const auto add = [&result](int code, bool failed = false) {
        result.codes[result.count++] = Readiness{code, failed};
    };
    const bool broken = (revents & (kPollError | kPollHangUp)) != 0;
    switch (watch.role) {
    case SocketRole::Connecting:
        // Windows may tell a refused connect by its hang-up alone, without writability.
        if (broken || (revents & (kPollOut | kPollPeerClosed)) != 0) {
            add(EventLoop::kConnect, broken || (revents & kPollOut) == 0);
            add(EventLoop::kWrite);
        }
        return result;
    case SocketRole::Listening:
        if ((revents & kPollIn) != 0) {
            add(EventLoop::kAccept);
        }
        return result;
    case SocketRole::Datagram:
        if ((revents & (kPollIn | kPollError)) != 0) {
            add(EventLoop::kRead);
        }
        break;
    case SocketRole::Connected:
        if (broken) {
            add(EventLoop::kClose);
            return result;
        }
        if ((revents & kPollPeerClosed) != 0 &&
            ((watch.mask & EventLoop::kRead) == 0 || nothingLeftToRead(descriptor))) {
            add(EventLoop::kClose);
        } else if ((revents & kPollIn) != 0) {
            add(EventLoop::kRead);
        }
        break;
    }
    if ((revents & kPollOut) != 0) {
        add(EventLoop::kWrite);
    }
    return result;
}

}  // namespace rennlupe::platform
