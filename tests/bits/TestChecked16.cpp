#include "bits/checked16.h"

#include "bits/IndexOutOfRange.h"
#include "bits/InvalidArgument.h"
#include "bits/Overflow.h"
#include "bits/TypeMismatch.h"

#include <gtest/gtest.h>

namespace rennlupe::bits {
namespace {

TEST(Checked16, ThrowsOverflowInsteadOfWrapping) {
    EXPECT_EQ(checked16::add(32766, 1), 32767);
    EXPECT_THROW((void)checked16::add(32767, 1), Overflow);
    EXPECT_EQ(checked16::sub(-32767, 1), -32768);
    EXPECT_THROW((void)checked16::sub(-32768, 1), Overflow);
    EXPECT_EQ(checked16::mul(32, 1000), 32000);
    EXPECT_THROW((void)checked16::mul(33, 1000), Overflow);
    EXPECT_THROW((void)checked16::add(checked16::mul(32, 1000), 768), Overflow);
    EXPECT_THROW((void)checked16::mul(-1, -32768), Overflow);
    EXPECT_EQ(checked16::narrow(-32768), -32768);
    EXPECT_THROW((void)checked16::narrow(40000), Overflow);
}

TEST(Checked16, ALittleEndianFieldWithAHighTopByteOverflows) {
    EXPECT_EQ(checked16::fromBytes(0x34, 0x02), 564);
    EXPECT_EQ(checked16::fromBytes(0xFF, 0x7F), 32767);
    EXPECT_THROW((void)checked16::fromBytes(0x00, 0x80), Overflow);
    EXPECT_THROW((void)checked16::fromBytes(0xFF, 0xFF), Overflow);
}

TEST(Errors, CarryTheNumbersAndTextsUsersSee) {
    const Overflow overflow;
    EXPECT_EQ(overflow.number(), 6);
    EXPECT_EQ(overflow.description(), "Overflow");
    EXPECT_STREQ(overflow.what(), "Overflow");
    EXPECT_EQ(IndexOutOfRange().number(), 9);
    EXPECT_EQ(IndexOutOfRange().description(), "Subscript out of range");
    EXPECT_EQ(TypeMismatch().number(), 13);
    EXPECT_EQ(TypeMismatch().description(), "Type mismatch");
    EXPECT_EQ(InvalidArgument().number(), 5);
    EXPECT_EQ(InvalidArgument().description(), "Invalid procedure call or argument");
}

}  // namespace
}  // namespace rennlupe::bits
