#pragma once

#include "platform/eventloop/EventLoop.h"
#include "platform/eventloop/pollSystem.h"
#include "platform/eventloop/WatchArming.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace rennlupe::platform {

// The event loop over poll() (WSAPoll on Windows), for the tests and the headless front end.
class PollLoop final : public EventLoop {
public:
    PollLoop();
    ~PollLoop() override;
    PollLoop(const PollLoop&) = delete;
    PollLoop& operator=(const PollLoop&) = delete;

    void watch(Descriptor descriptor, SocketRole role, int mask, SocketCallback callback) override;
    void unwatch(Descriptor descriptor) override;
    void rearm(Descriptor descriptor, int code) override;

    TimerId startTimer(std::chrono::milliseconds interval, std::function<void()> tick) override;
    void stopTimer(TimerId timer) override;

    void post(std::function<void()> work) override;

    void processPending() override;
    void run() override;
    void quit() override;

    // SIGINT and SIGTERM (on Windows the console's Ctrl-C and close) end a wait at once; the
    // handler then runs on the loop's thread like any other callback.
    void onSignals(std::function<void(int signal)> handler);

private:
    using Clock = std::chrono::steady_clock;

    struct Watch : WatchArming {
        std::uint64_t serial = 0;
        SocketCallback callback;
    };
    struct Timer {
        std::chrono::milliseconds interval;
        Clock::time_point deadline;
        std::function<void()> tick;
    };
    struct Event {
        Descriptor descriptor;
        std::uint64_t serial;
        int code;
        bool failed;
    };

    void round(int timeoutMilliseconds);
    void collect(Descriptor descriptor, const Watch& watch, short revents);
    void deliver(const Event& event);
    void fireTimers();
    void runPosted();
    void readSignals();
    int waitMilliseconds() const;
    template <typename Callback>
    static void invoke(Callback&& callback) noexcept;

    std::map<Descriptor, std::shared_ptr<Watch>> m_watches;
    std::map<TimerId, std::shared_ptr<Timer>> m_timers;
    std::deque<std::function<void()>> m_posted;
    // Kept between rounds so that a round allocates nothing.
    std::vector<PolledDescriptor> m_polled;
    std::vector<Event> m_events;
    std::uint64_t m_nextSerial = 1;
    TimerId m_nextTimer = 1;
    std::uint64_t m_epoch = 0;
    bool m_inProcessPending = false;
    bool m_quit = false;
    Descriptor m_signalRead = -1;
    std::function<void(int)> m_signalHandler;
};

}  // namespace rennlupe::platform
