#pragma once

#include "bits/MessageLine.h"
#include "controls/Timer.h"
#include "platform/eventloop/EventLoop.h"

#include <string>

namespace rennlupe::ui {

// Runs a control-model timer on the loop's timers while it is enabled; each
// tick goes through the handler guard under the timer's own name.
class TimerBinding {
public:
    TimerBinding(controls::Timer& timer, platform::EventLoop& loop, bits::MessageLine& messageLine);
    ~TimerBinding();
    TimerBinding(const TimerBinding&) = delete;
    TimerBinding& operator=(const TimerBinding&) = delete;

private:
    void follow();

    controls::Timer& m_timer;
    platform::EventLoop& m_loop;
    bits::MessageLine& m_messageLine;
    platform::EventLoop::TimerId m_running = 0;
    int m_runningInterval = 0;
};

}  // namespace rennlupe::ui
