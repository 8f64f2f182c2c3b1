#include "ui/TimerBinding.h"

#include "bits/guardHandler.h"

#include <chrono>

namespace rennlupe::ui {

TimerBinding::TimerBinding(controls::Timer& timer, platform::EventLoop& loop,
                           bits::MessageLine& messageLine)
    : m_timer(timer), m_loop(loop), m_messageLine(messageLine) {
    m_timer.Changed.connect([this] { follow(); });
    follow();
}

TimerBinding::~TimerBinding() {
    if (m_running != 0) {
        m_loop.stopTimer(m_running);
    }
}

void TimerBinding::follow() {
    const bool wanted = m_timer.enabled() && m_timer.interval() > 0;
    if (m_running != 0 && (!wanted || m_runningInterval != m_timer.interval())) {
        m_loop.stopTimer(m_running);
        m_running = 0;
    }
    if (wanted && m_running == 0) {
        m_runningInterval = m_timer.interval();
        m_running = m_loop.startTimer(std::chrono::milliseconds(m_runningInterval), [this] {
            bits::guardHandler(m_messageLine, m_timer.name() + "_Timer",
                               [this] { m_timer.tick(); });
        });
    }
}

}  // namespace rennlupe::ui
