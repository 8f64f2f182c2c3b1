#include "bits/modBitOperationen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>

namespace rennlupe::bits {
namespace {

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

TEST(BitOperations, BitsAreNumberedFromOne) {
    for (std::uint8_t n = 1; n <= 31; ++n) {
        const std::int32_t mask = std::int32_t{1} << (n - 1);
        EXPECT_EQ(SetBit32(0, n), mask) << "bit " << int{n};
        EXPECT_EQ(ClearBit32(-1, n), ~mask) << "bit " << int{n};
        EXPECT_TRUE(TestBit32(mask, n)) << "bit " << int{n};
        EXPECT_FALSE(TestBit32(~mask, n)) << "bit " << int{n};
    }
    for (std::uint8_t n = 1; n <= 8; ++n) {
        EXPECT_EQ(ClearBit8(0xFF, n), 0xFF & ~(1 << (n - 1))) << "bit " << int{n};
    }
    for (std::uint8_t n = 1; n <= 15; ++n) {
        EXPECT_EQ(ClearBit16(0x7FFF, n), 0x7FFF & ~(1 << (n - 1))) << "bit " << int{n};
    }
    EXPECT_EQ(ClearBit16(-1, 1), -2);
}

TEST(BitOperations, TopBitsNeverOverflowTheirWidth) {
    EXPECT_EQ(ClearBit32(-1, 32), 0x7FFFFFFF);
    EXPECT_EQ(SetBit32(0, 32), kMin32);
    EXPECT_TRUE(TestBit32(kMin32, 32));
    EXPECT_FALSE(TestBit32(0x7FFFFFFF, 32));
    EXPECT_EQ(ClearBit32(kMin32, 32), 0);

    EXPECT_EQ(ClearBit16(-1, 16), 32767);
    EXPECT_EQ(ClearBit16(-32768, 16), 0);
    EXPECT_EQ(ClearBit16(5, 16), 5);
    EXPECT_EQ(ClearBit16(32767, 16), 32767);
}

TEST(BitOperations, BitNumbersOutsideTheWidthChangeNothing) {
    for (const std::int32_t value : {0, -1, 12345, kMin32}) {
        EXPECT_FALSE(TestBit32(value, 0));
        EXPECT_FALSE(TestBit32(value, 33));
        EXPECT_EQ(SetBit32(value, 0), value);
        EXPECT_EQ(SetBit32(value, 33), value);
        EXPECT_EQ(ClearBit32(value, 0), value);
        EXPECT_EQ(ClearBit32(value, 255), value);
    }
    EXPECT_EQ(ClearBit16(-1, 0), -1);
    EXPECT_EQ(ClearBit16(-1, 17), -1);
    EXPECT_EQ(ClearBit8(0xFF, 0), 0xFF);
    EXPECT_EQ(ClearBit8(0xFF, 9), 0xFF);
}

TEST(ClearBit, StripsTheNodeFlagsOfAByte) {
    Value high = Value::ofUInt8(0xFF);
    for (const std::uint8_t bit : std::initializer_list<std::uint8_t>{6, 7, 8}) {
        high = ClearBit(high, bit);
    }
    ASSERT_EQ(high.type(), ValueType::UInt8);
    EXPECT_EQ(*high.get<std::uint8_t>(), 0x1F);
}

TEST(ClearBit, DispatchesByTypeAndKeepsIt) {
    const Value i16 = ClearBit(Value::ofInt16(-1), 16);
    ASSERT_EQ(i16.type(), ValueType::Int16);
    EXPECT_EQ(*i16.get<std::int16_t>(), 32767);

    const Value i32 = ClearBit(Value::ofInt32(-1), 32);
    ASSERT_EQ(i32.type(), ValueType::Int32);
    EXPECT_EQ(*i32.get<std::int32_t>(), 0x7FFFFFFF);

    const Value dec = ClearBit(Value::ofDecimal(Decimal::fromParts(0, 0, 0xFFFFFFFF)), 96);
    ASSERT_EQ(dec.type(), ValueType::Decimal);
    EXPECT_EQ(dec.get<Decimal>()->word(2), 0x7FFFFFFFU);

    // Types without a bit width pass through as copies of themselves.
    for (const Value& other : {Value(), Value::ofSingle(255.0F), Value::ofDouble(-1.0),
                               Value::ofBoolean(true), Value::ofText("255")}) {
        const Value result = ClearBit(other, 1);
        EXPECT_EQ(result.type(), other.type());
        EXPECT_EQ(result, other);
    }
    EXPECT_EQ(*ClearBit(Value::ofText("abc"), 1).get<std::string>(), "abc");
}

TEST(DecimalBitOp, SelectsTheWordByItsPositionInTheRecord) {
    struct Case {
        std::uint8_t bit;
        std::size_t byte;
        std::uint8_t mask;
    };
    for (const Case c :
         {Case{1, 4, 0x01}, Case{8, 4, 0x80}, Case{9, 5, 0x01}, Case{32, 7, 0x80},
          Case{33, 8, 0x01}, Case{64, 11, 0x80}, Case{65, 12, 0x01}, Case{96, 15, 0x80}}) {
        const Value set = DecimalBitOp(Value::ofDecimal(Decimal()), c.bit, kDecimalSet);
        ASSERT_EQ(set.type(), ValueType::Decimal);
        Decimal::Bytes expected{};
        expected[c.byte] = c.mask;
        EXPECT_EQ(DecimalToBytes(set), expected) << "bit " << int{c.bit};

        const Value tested = DecimalBitOp(set, c.bit, kDecimalTest);
        ASSERT_EQ(tested.type(), ValueType::Boolean);
        EXPECT_EQ(tested.toDouble(), -1.0);
    }
}

TEST(DecimalBitOp, ClearsAndTestsWithoutTouchingScaleSignOrTag) {
    Decimal::Bytes bytes{};
    bytes.fill(0xFF);
    const Value full = BytesToDecimal(bytes);

    for (const int clearCode : {0, 2}) {
        const Decimal::Bytes cleared = DecimalToBytes(DecimalBitOp(full, 40, clearCode));
        Decimal::Bytes expected = bytes;
        expected[8] = 0x7F;  // bit 40 is bit 8 of the word at bytes 8 to 11
        EXPECT_EQ(cleared, expected) << "code " << clearCode;
    }
    EXPECT_EQ(DecimalBitOp(BytesToDecimal(Decimal::Bytes{}), 40, 7).toDouble(), 0.0);
    EXPECT_EQ(DecimalBitOp(full, 40, 3).type(), ValueType::Boolean);

    for (const std::uint8_t outside : std::initializer_list<std::uint8_t>{0, 97, 255}) {
        EXPECT_EQ(DecimalToBytes(DecimalBitOp(full, outside, kDecimalClear)), bytes);
    }
}

TEST(DecimalBitOp, ANonDecimalArgumentIsReadAsZeroBytes) {
    const Value set = DecimalBitOp(Value::ofInt32(-1), 2, kDecimalSet);
    ASSERT_EQ(set.type(), ValueType::Decimal);
    EXPECT_EQ(set.get<Decimal>()->word(0), 2U);
    // An out-of-range bit returns the argument itself, type and all.
    EXPECT_EQ(DecimalBitOp(Value::ofInt32(-1), 0, kDecimalSet).type(), ValueType::Int32);
}

TEST(DecimalRecord, RoundTripsAnySixteenBytes) {
    Decimal::Bytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(0xA0 + i * 7);
    }
    const Value decimal = BytesToDecimal(bytes);
    EXPECT_EQ(decimal.type(), ValueType::Decimal);
    EXPECT_EQ(DecimalToBytes(decimal), bytes);

    for (const Value& other : {Value(), Value::ofInt32(-1), Value::ofText("x")}) {
        EXPECT_EQ(DecimalToBytes(other), Decimal::Bytes{});
    }
}

}  // namespace
}  // namespace rennlupe::bits
