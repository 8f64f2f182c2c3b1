#pragma once

#include "platform/eventloop/EventLoop.h"
#include "platform/eventloop/WatchArming.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QEventLoop;
class QObject;
class QSocketNotifier;
class QTimer;

namespace rennlupe::desktop {

// The event loop over Qt's own dispatch, for the desktop front end: socket
// notifiers wake it, and each wake-up asks the descriptor afresh what holds.
class QtLoop final : public platform::EventLoop {
public:
    QtLoop();
    ~QtLoop() override;
    QtLoop(const QtLoop&) = delete;
    QtLoop& operator=(const QtLoop&) = delete;

    void watch(Descriptor descriptor, platform::SocketRole role, int mask,
               SocketCallback callback) override;
    void unwatch(Descriptor descriptor) override;
    void rearm(Descriptor descriptor, int code) override;

    TimerId startTimer(std::chrono::milliseconds interval, std::function<void()> tick) override;
    void stopTimer(TimerId timer) override;

    void post(std::function<void()> work) override;

    void processPending() override;
    void run() override;
    void quit() override;

private:
    struct Watch : platform::WatchArming {
        std::uint64_t serial = 0;
        SocketCallback callback;
        // Children of m_context: deleted later when retired, or with the loop.
        QSocketNotifier* reader = nullptr;
        QSocketNotifier* writer = nullptr;
    };
    struct Timer {
        QTimer* timer = nullptr;
        std::function<void()> tick;
    };

    void activated(Descriptor descriptor, std::uint64_t serial);
    void deliver(Descriptor descriptor, const std::shared_ptr<Watch>& entry, int code, bool failed);
    void fire(TimerId id);
    bool current(Descriptor descriptor, const std::shared_ptr<Watch>& entry) const;
    static void updateNotifiers(const Watch& watch);
    static void retire(const Watch& watch);
    template <typename Callback>
    static void invoke(Callback&& callback) noexcept;

    std::unique_ptr<QObject> m_context;
    std::map<Descriptor, std::shared_ptr<Watch>> m_watches;
    std::map<TimerId, std::shared_ptr<Timer>> m_timers;
    std::vector<QEventLoop*> m_running;
    std::uint64_t m_nextSerial = 1;
    TimerId m_nextTimer = 1;
    bool m_inProcessPending = false;
};

}  // namespace rennlupe::desktop
