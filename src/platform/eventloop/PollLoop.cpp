#include "platform/eventloop/PollLoop.h"

#include "platform/eventloop/fenced.h"

#include "platform/eventloop/readiness.h"

#include <algorithm>
#include <array>
#include <iostream>
#include <utility>

namespace rennlupe::platform {

PollLoop::PollLoop() = default;

PollLoop::~PollLoop() {
    if (m_signalRead >= 0) {
        closeQuitWake();
    }
}

void PollLoop::watch(Descriptor descriptor, SocketRole role, int mask, SocketCallback callback) {
    auto entry = std::make_shared<Watch>();
    entry->serial = m_nextSerial++;
    static_cast<WatchArming&>(*entry) = armedFor(role, mask);
    entry->callback = std::move(callback);
    m_watches[descriptor] = std::move(entry);
}

void PollLoop::unwatch(Descriptor descriptor) {
    m_watches.erase(descriptor);
}

void PollLoop::rearm(Descriptor descriptor, int code) {
    const auto found = m_watches.find(descriptor);
    if (found == m_watches.end()) {
        return;
    }
    Watch& entry = *found->second;
    rearmCode(entry, code);
}

EventLoop::TimerId PollLoop::startTimer(std::chrono::milliseconds interval,
                                        std::function<void()> tick) {
    const TimerId id = m_nextTimer++;
    m_timers[id] =
        std::make_shared<Timer>(Timer{interval, Clock::now() + interval, std::move(tick)});
    return id;
}

void PollLoop::stopTimer(TimerId timer) {
    m_timers.erase(timer);
}

void PollLoop::post(std::function<void()> work) {
    m_posted.push_back(std::move(work));
}

void PollLoop::processPending() {
    if (m_inProcessPending) {
        return;
    }
    m_inProcessPending = true;
    round(0);
    m_inProcessPending = false;
}

void PollLoop::run() {
    m_quit = false;
    while (!m_quit) {
        round(waitMilliseconds());
    }
}

void PollLoop::quit() {
    m_quit = true;
}

void PollLoop::onSignals(std::function<void(int signal)> handler) {
    m_signalHandler = std::move(handler);
    if (m_signalRead >= 0) {
        return;
    }
    m_signalRead = openQuitWake();
    if (m_signalRead < 0) {
        std::cerr << "rennlupe: no signal pipe, signals end the program\n";
    }
}

void PollLoop::collect(Descriptor descriptor, const Watch& watch, short revents) {
    const ReadinessCodes ready = readinessCodes(descriptor, watch, revents);
    for (std::size_t i = 0; i < ready.count; ++i) {
        m_events.push_back({descriptor, watch.serial, ready.codes[i].code, ready.codes[i].failed});
    }
}

void PollLoop::round(int timeoutMilliseconds) {
    m_polled.clear();
    for (const auto& [descriptor, entry] : m_watches) {
        if (const short events = pollEventsFor(*entry); events != 0) {
            m_polled.push_back({descriptor, events, 0});
        }
    }
    if (m_signalRead >= 0) {
        m_polled.push_back({m_signalRead, kPollIn, 0});
    }
    const int ready = pollDescriptors(m_polled, timeoutMilliseconds);
    const std::uint64_t epoch = ++m_epoch;
    if (ready > 0) {
        m_events.clear();
        bool signalled = false;
        for (const PolledDescriptor& entry : m_polled) {
            if (entry.revents == 0) {
                continue;
            }
            if (entry.descriptor == m_signalRead) {
                signalled = true;
                continue;
            }
            const auto found = m_watches.find(entry.descriptor);
            if (found == m_watches.end()) {
                continue;
            }
            // Closed without being unwatched: left out from now on, not polled in a spin.
            if ((entry.revents & kPollInvalid) != 0) {
                found->second->quiet = true;
                continue;
            }
            collect(entry.descriptor, *found->second, entry.revents);
        }
        // A nested round has polled afresh: what is still true it has delivered. It also
        // refills m_events, so each event is copied out and the loop stops at once.
        for (std::size_t i = 0; i < m_events.size() && m_epoch == epoch; ++i) {
            const Event event = m_events[i];
            deliver(event);
        }
        if (signalled) {
            readSignals();
        }
    }
    fireTimers();
    runPosted();
}

void PollLoop::deliver(const Event& event) {
    const auto found = m_watches.find(event.descriptor);
    if (found == m_watches.end() || found->second->serial != event.serial) {
        return;
    }
    const std::shared_ptr<Watch> entry = found->second;
    if (entry->quiet) {
        return;
    }
    const bool tell = consumeReadiness(*entry, event.code, event.failed);
    if (tell) {
        invoke([&] { entry->callback(event.descriptor, event.code); });
    }
}

void PollLoop::fireTimers() {
    if (m_timers.empty()) {
        return;
    }
    const auto now = Clock::now();
    std::vector<TimerId> due;
    for (const auto& [id, timer] : m_timers) {
        if (timer->deadline <= now) {
            due.push_back(id);
        }
    }
    for (const TimerId id : due) {
        const auto found = m_timers.find(id);
        if (found == m_timers.end() || found->second->deadline > now) {
            continue;
        }
        const std::shared_ptr<Timer> timer = found->second;
        timer->deadline = Clock::now() + timer->interval;
        invoke([&] { timer->tick(); });
    }
}

void PollLoop::runPosted() {
    if (m_posted.empty()) {
        return;  // an empty deque still allocates: not once a round
    }
    std::deque<std::function<void()>> work;
    work.swap(m_posted);
    for (auto& item : work) {
        invoke(item);
    }
}

void PollLoop::readSignals() {
    if (m_signalRead < 0) {
        return;
    }
    std::array<unsigned char, 16> signals{};
    for (;;) {
        const std::size_t count = takeQuitRequests(signals);
        if (count == 0) {
            return;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (m_signalHandler) {
                invoke([&] { m_signalHandler(signals[i]); });
            }
        }
    }
}

int PollLoop::waitMilliseconds() const {
    if (!m_posted.empty()) {
        return 0;
    }
    if (m_timers.empty()) {
        return -1;
    }
    auto next = Clock::time_point::max();
    for (const auto& [id, timer] : m_timers) {
        next = std::min(next, timer->deadline);
    }
    const auto now = Clock::now();
    if (next <= now) {
        return 0;
    }
    // Rounded up, so the wait never ends just before the deadline.
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - now);
    return static_cast<int>(std::min<std::chrono::milliseconds::rep>(wait.count(), 60'000));
}

template <typename Callback>
void PollLoop::invoke(Callback&& callback) noexcept {
    fenced("an event callback", std::forward<Callback>(callback));
}

}  // namespace rennlupe::platform
