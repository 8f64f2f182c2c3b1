#include "platform/eventloop/PollLoop.h"

#include "QuitRequests.h"
#include "support/underWine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace rennlupe::platform {
namespace {

using namespace std::chrono_literals;

// A request that comes before the wait begins must still end it: a plain flag
// checked before the wait would sleep through it. They reach the handler as
// SIGINT (2) and SIGTERM (15) on every system.
TEST(PollLoop, QuitRequestsEndTheWaitAndReachTheHandler) {
    if (support::underWine()) {
        GTEST_SKIP() << "Wine raises a console's Ctrl-C only on a SIGINT from outside; "
                        "the end-to-end test under Wine sends it";
    }
    PollLoop loop;
    std::vector<int> seen;
    loop.onSignals([&](int signal) {
        seen.push_back(signal);
        if (seen.size() == 2) {
            loop.quit();
        }
    });
    // Gives up, marked by a 0, when the requests did not end the wait.
    loop.startTimer(5s, [&] {
        seen.push_back(0);
        loop.quit();
    });
    raiseQuitRequests();
    loop.run();
    EXPECT_EQ(seen, (std::vector<int>{2, 15}));
}

}  // namespace
}  // namespace rennlupe::platform
