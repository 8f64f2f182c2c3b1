#pragma once

#include "platform/process/QuitSignalPipe.h"

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace rennlupe::desktop {

// SIGINT and SIGTERM, turned into a call on the Qt loop: the pipe's notifier
// runs onSignal.
class QuitSignals {
public:
    explicit QuitSignals(std::function<void()> onSignal);
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    void received();

    std::function<void()> m_onSignal;
    platform::QuitSignalPipe m_pipe;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace rennlupe::desktop
