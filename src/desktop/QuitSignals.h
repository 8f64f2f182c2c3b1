#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace rennlupe::desktop {

// SIGINT and SIGTERM, turned into a call on the Qt loop: the handler only
// writes a byte to a socket pair, whose notifier then runs onSignal.
class QuitSignals {
public:
    explicit QuitSignals(std::function<void()> onSignal);
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    void received();

    std::function<void()> m_onSignal;
    int m_readEnd = -1;
    int m_writeEnd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace rennlupe::desktop
