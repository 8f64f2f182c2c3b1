#include "bits/checked16.h"
#include "bits/guardHandler.h"

#include "bits/IndexOutOfRange.h"
#include "bits/Overflow.h"
#include "support/RecordingMessageLine.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace rennlupe::bits {
namespace {

TEST(Checked16, ThrowsOverflowInsteadOfWrapping) {
    EXPECT_EQ(checked16::add(32766, 1), 32767);
    EXPECT_THROW((void)checked16::add(32767, 1), Overflow);
    EXPECT_EQ(checked16::sub(-32767, 1), -32768);
    EXPECT_THROW((void)checked16::sub(-32768, 1), Overflow);
    EXPECT_EQ(checked16::mul(32, 1000), 32000);
    EXPECT_THROW((void)checked16::mul(33, 1000), Overflow);
    EXPECT_THROW((void)checked16::mul(-1, -32768), Overflow);
    EXPECT_EQ(checked16::narrow(-32768), -32768);
    EXPECT_THROW((void)checked16::narrow(40000), Overflow);
    // A little-endian field: a high byte of 128 or more overflows.
    EXPECT_EQ(checked16::fromBytes(0x34, 0x02), 564);
    EXPECT_EQ(checked16::fromBytes(0xFF, 0x7F), 32767);
    EXPECT_THROW((void)checked16::fromBytes(0x00, 0x80), Overflow);
}

TEST(GuardHandler, AFailureEndsTheHandlerAndIsReportedWithItsNumber) {
    support::RecordingMessageLine line;
    EXPECT_TRUE(guardHandler(line, "Slider5_Scroll", [] {}));
    EXPECT_TRUE(line.messages().empty());

    EXPECT_FALSE(guardHandler(line, "KeepAlive_Timer", [] { throw IndexOutOfRange(); }));
    EXPECT_FALSE(guardHandler(line, "cmdConnect_Click", [] { throw std::runtime_error("boom"); }));
    EXPECT_FALSE(guardHandler(line, "frmMain_Load", [] { throw 42; }));
    EXPECT_EQ(line.messages(),
              (std::vector<std::string>{"-ERROR- KeepAlive_Timer() - 9: Subscript out of range",
                                        "-ERROR- cmdConnect_Click() - 51: Internal error",
                                        "-ERROR- frmMain_Load() - 51: Internal error"}));
}

}  // namespace
}  // namespace rennlupe::bits
