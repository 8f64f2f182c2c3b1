#include "support/runUntil.h"

#include <chrono>

namespace rennlupe::support {

bool runUntil(platform::EventLoop& loop, const std::function<bool()>& done) {
    using namespace std::chrono_literals;
    if (done()) {
        return true;
    }
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    const auto check = loop.startTimer(1ms, [&] {
        if (done() || std::chrono::steady_clock::now() > deadline) {
            loop.quit();
        }
    });
    loop.run();
    loop.stopTimer(check);
    return done();
}

void pumpRounds(platform::EventLoop& loop, int rounds) {
    for (int i = 0; i < rounds; ++i) {
        loop.processPending();
    }
}

}  // namespace rennlupe::support
