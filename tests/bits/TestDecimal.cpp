#include "bits/Decimal.h"

#include "bits/IndexOutOfRange.h"

#include <gtest/gtest.h>

namespace rennlupe::bits {
namespace {

TEST(Decimal, WordsAreLittleEndianFromByteFour) {
    const Decimal d = Decimal::fromParts(0x04030201, 0x08070605, 0x0C0B0A09, 3, true);
    const Decimal::Bytes expected = {0, 0, 3, 0x80, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(d.bytes(), expected);
    EXPECT_EQ(d.word(0), 0x04030201U);
    EXPECT_EQ(d.word(2), 0x0C0B0A09U);
    EXPECT_THROW((void)d.word(3), IndexOutOfRange);
}

TEST(Decimal, ReadsAsItsScaledSignedInteger) {
    EXPECT_DOUBLE_EQ(Decimal::fromParts(1, 0, 0).toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(Decimal::fromParts(0, 1, 0).toDouble(), 4294967296.0);
    EXPECT_DOUBLE_EQ(Decimal::fromParts(0, 0, 1).toDouble(), 18446744073709551616.0);
    EXPECT_DOUBLE_EQ(Decimal::fromParts(12345, 0, 0, 2).toDouble(), 123.45);
    EXPECT_DOUBLE_EQ(Decimal::fromParts(7, 0, 0, 0, true).toDouble(), -7.0);

    // A record with a scale beyond the usual 28 still converts.
    Decimal::Bytes odd{};
    odd[2] = 200;
    odd[4] = 1;
    EXPECT_GT(Decimal(odd).toDouble(), 0.0);
}

}  // namespace
}  // namespace rennlupe::bits
