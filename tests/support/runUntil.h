#pragma once

#include "platform/eventloop/EventLoop.h"

#include <chrono>
#include <functional>

namespace rennlupe::support {

// Runs the loop until done() holds, checked every millisecond, or about five
// seconds have passed. True when done() held.
inline bool runUntil(platform::EventLoop& loop, const std::function<bool()>& done) {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    const auto check = loop.startTimer(1ms, [&] {
        if (done() || std::chrono::steady_clock::now() > deadline) {
            loop.quit();
        }
    });
    if (!done()) {
        loop.run();
    }
    loop.stopTimer(check);
    return done();
}

// A few rounds of processPending(), for showing that nothing (more) comes.
inline void pumpRounds(platform::EventLoop& loop, int rounds = 5) {
    for (int i = 0; i < rounds; ++i) {
        loop.processPending();
    }
}

}  // namespace rennlupe::support
