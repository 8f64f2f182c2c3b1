#include "controls/Timer.h"

#include <utility>

namespace rennlupe::controls {

Timer::Timer(std::string name, int intervalMs) : Control(std::move(name)), m_interval(intervalMs) {
    setEnabled(false);
}

void Timer::setInterval(int intervalMs) {
    if (m_interval != intervalMs) {
        m_interval = intervalMs;
        changed();
    }
}

void Timer::tick() const {
    if (enabled()) {
        Tick.raise();
    }
}

}  // namespace rennlupe::controls
