#include "bits/guardHandler.h"

#include "bits/IndexOutOfRange.h"
#include "support/RecordingMessageLine.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace rennlupe::bits {
namespace {

TEST(GuardHandler, AFailureEndsTheHandlerAtItsStepAndIsReported) {
    support::RecordingMessageLine line;
    std::vector<int> steps;
    const bool finished = guardHandler(line, "KeepAlive_Timer", [&] {
        steps.push_back(1);
        throw IndexOutOfRange();
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(steps, std::vector<int>{1});
    EXPECT_EQ(line.messages(),
              std::vector<std::string>{"-ERROR- KeepAlive_Timer() - 9: Subscript out of range"});
}

TEST(GuardHandler, ForeignExceptionsReadAsInternalError) {
    support::RecordingMessageLine line;
    guardHandler(line, "cmdConnect_Click", [] { throw std::runtime_error("boom"); });
    guardHandler(line, "frmMain_Load", [] { throw 42; });
    EXPECT_EQ(line.messages(),
              (std::vector<std::string>{"-ERROR- cmdConnect_Click() - 51: Internal error",
                                        "-ERROR- frmMain_Load() - 51: Internal error"}));
}

TEST(GuardHandler, AFinishedHandlerWritesNothing) {
    support::RecordingMessageLine line;
    EXPECT_TRUE(guardHandler(line, "Slider5_Scroll", [] {}));
    EXPECT_TRUE(line.messages().empty());
}

}  // namespace
}  // namespace rennlupe::bits
