#pragma once

#include "controls/Control.h"

#include <string>

namespace rennlupe::controls {

// Needs no clock: the front end binds it to its loop's timer, tests call tick().
class Timer : public Control {
public:
    Timer(std::string name, int intervalMs);

    int interval() const noexcept { return m_interval; }
    void setInterval(int intervalMs);
    // Enabled is the timer running; Changed tells the loop to start or stop it.
    void tick() const;

    Event<> Tick;

private:
    int m_interval;
};

}  // namespace rennlupe::controls
