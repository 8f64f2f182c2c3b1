#include "platform/eventloop/PollLoop.h"

#include "EventLoopConformance.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <vector>

namespace rennlupe::platform {
namespace {

using namespace std::chrono_literals;

INSTANTIATE_TEST_SUITE_P(PollLoop, EventLoopConformance,
                         ::testing::Values(EventLoopFactory{
                             "PollLoop", [] { return std::make_unique<PollLoop>(); }}));

// A signal that comes before the wait begins must still end it: a plain flag
// checked before poll() would sleep through it.
TEST(PollLoop, SignalsEndTheWaitAndReachTheHandler) {
    PollLoop loop;
    std::vector<int> seen;
    loop.onSignals([&](int signal) {
        seen.push_back(signal);
        if (seen.size() == 2) {
            loop.quit();
        }
    });
    // Gives up, marked by a 0, when the signals did not end the wait.
    loop.startTimer(5s, [&] {
        seen.push_back(0);
        loop.quit();
    });
    std::raise(SIGINT);
    std::raise(SIGTERM);
    loop.run();
    EXPECT_EQ(seen, (std::vector<int>{SIGINT, SIGTERM}));
}

}  // namespace
}  // namespace rennlupe::platform
