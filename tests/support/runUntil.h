#pragma once

#include "platform/eventloop/EventLoop.h"

#include <functional>

namespace rennlupe::support {

// Runs the loop until done() holds, checked every millisecond, or about five
// seconds have passed. True when done() held.
bool runUntil(platform::EventLoop& loop, const std::function<bool()>& done);

// A few rounds of processPending(), for showing that nothing (more) comes.
void pumpRounds(platform::EventLoop& loop, int rounds = 5);

}  // namespace rennlupe::support
