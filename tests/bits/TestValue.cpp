#include "bits/Value.h"

#include "bits/TypeMismatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <compare>

namespace rennlupe::bits {
namespace {

TEST(Value, EmptyCountsAsZeroAndAsTheEmptyText) {
    const Value empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.toDouble(), 0.0);
    EXPECT_EQ(empty, Value());
    EXPECT_EQ(empty, Value::ofInt16(0));
    EXPECT_EQ(empty, Value::ofUInt8(0));
    EXPECT_EQ(empty, Value::ofSingle(0.0F));
    EXPECT_EQ(empty, Value::ofBoolean(false));
    EXPECT_EQ(empty, Value::ofText(""));
    EXPECT_NE(empty, Value::ofText("0"));
    // A negative node key sorts below the empty rows.
    EXPECT_LT(Value::ofInt16(-995), empty);
    EXPECT_GT(Value::ofInt16(5), empty);
    EXPECT_LT(empty, Value::ofText("a"));
}

TEST(Value, NumbersCompareByValueAcrossTypes) {
    EXPECT_EQ(Value::ofBoolean(true), Value::ofInt16(-1));
    EXPECT_EQ(Value::ofBoolean(true).toDouble(), -1.0);
    EXPECT_EQ(Value::ofInt16(300), Value::ofInt32(300));
    EXPECT_EQ(Value::ofSingle(2.5F), Value::ofDouble(2.5));
    EXPECT_LT(Value::ofUInt8(255), Value::ofInt16(256));
    EXPECT_GT(Value::ofInt16(2005), Value::ofInt16(1310));
    EXPECT_LT(Value::ofInt16(-32768), Value::ofInt16(32767));
    EXPECT_EQ(Value::ofDecimal(Decimal::fromParts(150, 0, 0, 2)), Value::ofDouble(1.5));
    EXPECT_EQ(Value::ofDouble(0.1) <=> Value::ofDouble(std::nan("")),
              std::partial_ordering::unordered);
}

TEST(Value, TextComparesAsTextAndAfterEveryNumber) {
    EXPECT_LT(Value::ofText("Abc"), Value::ofText("abc"));
    EXPECT_EQ(Value::ofText("Max"), Value::ofText("Max"));
    EXPECT_LT(Value::ofInt32(1000000), Value::ofText("1"));
    EXPECT_GT(Value::ofText(""), Value::ofInt16(0));
    EXPECT_THROW((void)Value::ofText("12").toDouble(), TypeMismatch);
}

}  // namespace
}  // namespace rennlupe::bits
