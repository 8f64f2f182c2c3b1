#include "platform/eventloop/pollSystem.h"
#include "platform/eventloop/readiness.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rennlupe::platform {
namespace {

// What a connecting socket's poll result tells: Linux says a refused connect with
// an error and a hang-up, Windows may say it with the hang-up alone.
TEST(Readiness, AConnectEndsByWritabilityOrFailsByErrorOrHangUp) {
    const WatchArming connecting = armedFor(SocketRole::Connecting, EventLoop::kConnect);
    for (const auto& [revents, count, failed] : {
             std::tuple<short, std::size_t, bool>{kPollOut, 2, false},
             {static_cast<short>(kPollOut | kPollPeerClosed), 2, false},
             {static_cast<short>(kPollOut | kPollError | kPollHangUp), 2, true},
             {kPollPeerClosed, 2, true},
             {kPollIn, 0, false},
         }) {
        const ReadinessCodes codes = readinessCodes(0, connecting, revents);
        ASSERT_EQ(codes.count, count) << revents;
        if (count > 0) {
            EXPECT_EQ(codes.codes[0].code, EventLoop::kConnect);
            EXPECT_EQ(codes.codes[0].failed, failed) << revents;
        }
    }
}

}  // namespace
}  // namespace rennlupe::platform
