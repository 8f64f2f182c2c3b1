#include "desktop/QtLoop.h"

#include "platform/eventloop/fenced.h"
#include "platform/eventloop/notifierReadiness.h"
#include "platform/eventloop/readiness.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <utility>

namespace rennlupe::desktop {

QtLoop::QtLoop() : m_context(std::make_unique<QObject>()) {}

QtLoop::~QtLoop() = default;

void QtLoop::watch(Descriptor descriptor, platform::SocketRole role, int mask,
                   SocketCallback callback) {
    unwatch(descriptor);
    auto entry = std::make_shared<Watch>();
    entry->serial = m_nextSerial++;
    static_cast<platform::WatchArming&>(*entry) = platform::armedFor(role, mask);
    entry->callback = std::move(callback);
    entry->reader = new QSocketNotifier(descriptor, QSocketNotifier::Read, m_context.get());
    entry->writer = new QSocketNotifier(descriptor, QSocketNotifier::Write, m_context.get());
    const std::uint64_t serial = entry->serial;
    const auto wake = [this, descriptor, serial] { activated(descriptor, serial); };
    QObject::connect(entry->reader, &QSocketNotifier::activated, m_context.get(), wake);
    QObject::connect(entry->writer, &QSocketNotifier::activated, m_context.get(), wake);
    updateNotifiers(*entry);
    m_watches[descriptor] = std::move(entry);
}

void QtLoop::unwatch(Descriptor descriptor) {
    const auto found = m_watches.find(descriptor);
    if (found == m_watches.end()) {
        return;
    }
    retire(*found->second);
    m_watches.erase(found);
}

void QtLoop::rearm(Descriptor descriptor, int code) {
    const auto found = m_watches.find(descriptor);
    if (found == m_watches.end()) {
        return;
    }
    Watch& entry = *found->second;
    platform::rearmCode(entry, code);
    updateNotifiers(entry);
}

platform::EventLoop::TimerId QtLoop::startTimer(std::chrono::milliseconds interval,
                                                std::function<void()> tick) {
    const TimerId id = m_nextTimer++;
    auto entry = std::make_shared<Timer>();
    entry->tick = std::move(tick);
    entry->timer = new QTimer(m_context.get());
    entry->timer->setTimerType(Qt::PreciseTimer);
    entry->timer->setInterval(interval);
    QObject::connect(entry->timer, &QTimer::timeout, m_context.get(), [this, id] { fire(id); });
    entry->timer->start();
    m_timers[id] = std::move(entry);
    return id;
}

void QtLoop::stopTimer(TimerId timer) {
    const auto found = m_timers.find(timer);
    if (found == m_timers.end()) {
        return;
    }
    // Deleted later: the stop may come from the timer's own tick.
    found->second->timer->stop();
    found->second->timer->deleteLater();
    m_timers.erase(found);
}

void QtLoop::post(std::function<void()> work) {
    QMetaObject::invokeMethod(
        m_context.get(), [work = std::move(work)] { invoke(work); }, Qt::QueuedConnection);
}

void QtLoop::processPending() {
    if (m_inProcessPending) {
        return;
    }
    m_inProcessPending = true;
    QCoreApplication::processEvents();
    m_inProcessPending = false;
}

void QtLoop::run() {
    QEventLoop loop;
    m_running.push_back(&loop);
    loop.exec();
    m_running.pop_back();
}

void QtLoop::quit() {
    if (!m_running.empty()) {
        m_running.back()->exit();
    }
}

void QtLoop::updateNotifiers(const Watch& watch) {
    // A failed connect may show only as an error, which Qt reports to readers.
    watch.reader->setEnabled(platform::waitsToRead(watch) ||
                             (watch.role == platform::SocketRole::Connecting && !watch.quiet));
    watch.writer->setEnabled(platform::waitsToWrite(watch));
}

void QtLoop::retire(const Watch& watch) {
    watch.reader->setEnabled(false);
    watch.writer->setEnabled(false);
    watch.reader->deleteLater();
    watch.writer->deleteLater();
}

bool QtLoop::current(Descriptor descriptor, const std::shared_ptr<Watch>& entry) const {
    const auto found = m_watches.find(descriptor);
    return found != m_watches.end() && found->second == entry;
}

// The notifier only wakes the loop; what holds now is asked with a poll that
// does not wait, and decided exactly as the poll loop decides it.
void QtLoop::activated(Descriptor descriptor, std::uint64_t serial) {
    const auto found = m_watches.find(descriptor);
    if (found == m_watches.end() || found->second->serial != serial) {
        return;
    }
    const std::shared_ptr<Watch> entry = found->second;
    const platform::ReadinessCodes ready = platform::readyNow(descriptor, *entry);
    for (std::size_t i = 0; i < ready.count; ++i) {
        if (!current(descriptor, entry)) {
            return;
        }
        deliver(descriptor, entry, ready.codes[i].code, ready.codes[i].failed);
    }
    if (current(descriptor, entry)) {
        updateNotifiers(*entry);
    }
}

void QtLoop::deliver(Descriptor descriptor, const std::shared_ptr<Watch>& entry, int code,
                     bool failed) {
    if (entry->quiet) {
        return;
    }
    // Disarmed before the callback, so a pump inside it does not report the same again;
    // the notifiers follow once the callback is done (toggling one wakes the loop twice).
    const bool tell = platform::consumeReadiness(*entry, code, failed);
    if (tell) {
        invoke([&] { entry->callback(descriptor, code); });
    }
}

void QtLoop::fire(TimerId id) {
    const auto found = m_timers.find(id);
    if (found == m_timers.end()) {
        return;
    }
    const std::shared_ptr<Timer> entry = found->second;
    invoke([&] { entry->tick(); });
}

template <typename Callback>
void QtLoop::invoke(Callback&& callback) noexcept {
    platform::fenced("an event callback", std::forward<Callback>(callback));
}

}  // namespace rennlupe::desktop
