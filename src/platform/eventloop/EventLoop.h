#pragma once

#include "platform/eventloop/SocketRole.h"

#include <chrono>
#include <cstdint>
#include <functional>

namespace rennlupe::platform {

// Socket notifications in the asynchronous-select manner: each comes once and
// again only after the watcher has acted on it (rearm), so a level-triggered
// readiness never floods the user-interface thread.
class EventLoop {
public:
    using Descriptor = std::intptr_t;
    using SocketCallback = std::function<void(Descriptor descriptor, int code)>;
    using TimerId = std::uint64_t;

    static constexpr int kRead = 1;
    static constexpr int kWrite = 2;
    static constexpr int kAccept = 8;
    static constexpr int kConnect = 16;
    static constexpr int kClose = 32;

    virtual ~EventLoop() = default;

    // Watching a descriptor again replaces its earlier watch.
    virtual void watch(Descriptor descriptor, SocketRole role, int mask,
                       SocketCallback callback) = 0;
    virtual void unwatch(Descriptor descriptor) = 0;
    // The watcher tried a read (kRead), an accept (kAccept) or a send that
    // would have blocked (kWrite): report that condition again when it holds.
    virtual void rearm(Descriptor descriptor, int code) = 0;

    // Ticks every interval until stopped; the id is never 0.
    virtual TimerId startTimer(std::chrono::milliseconds interval, std::function<void()> tick) = 0;
    virtual void stopTimer(TimerId timer) = 0;

    virtual void post(std::function<void()> work) = 0;

    // Runs what is waiting now and returns; inside another processPending()
    // it returns at once.
    virtual void processPending() = 0;
    virtual void run() = 0;
    virtual void quit() = 0;

protected:
    EventLoop() = default;
    EventLoop(const EventLoop&) = default;
    EventLoop& operator=(const EventLoop&) = default;
};

}  // namespace rennlupe::platform
