#include "desktop/QuitSignals.h"

#include "platform/eventloop/fenced.h"

#include <utility>

namespace rennlupe::desktop {

QuitSignals::QuitSignals(std::function<void()> onSignal) : m_onSignal(std::move(onSignal)) {
    if (m_pipe.descriptor() < 0) {
        return;  // without the pair the signals keep their default: the program ends
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe.descriptor(), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                     [this] { received(); });
}

QuitSignals::~QuitSignals() = default;

void QuitSignals::received() {
    m_pipe.drain();
    platform::fenced("a quit signal", m_onSignal);
}

}  // namespace rennlupe::desktop
