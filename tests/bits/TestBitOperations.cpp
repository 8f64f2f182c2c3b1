#include "bits/modBitOperationen.h"

#include "bits/IndexOutOfRange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <tuple>

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

constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

// Bit numbers 0 and 33 are run against 0 and -1 both: a shift past the width
// would change one of them.
TEST(BitOperations, BitsAreNumberedFromOneAndNumbersOutsideTheWidthChangeNothing) {
    using Case = std::tuple<std::int32_t, std::uint8_t, std::int32_t, std::int32_t, bool>;
    for (const auto& [value, bit, set, cleared, tested] :
         {Case{0, 1, 1, 0, false}, Case{-1, 1, -1, -2, true}, Case{0, 9, 256, 0, false},
          Case{0x100, 9, 0x100, 0, true}, Case{0, 32, kMin32, 0, false},
          Case{-1, 32, -1, 0x7FFFFFFF, true}, Case{0x7FFFFFFF, 32, -1, 0x7FFFFFFF, false},
          Case{0, 0, 0, 0, false}, Case{-1, 0, -1, -1, false}, Case{0, 33, 0, 0, false},
          Case{-1, 33, -1, -1, false}, Case{12345, 255, 12345, 12345, false}}) {
        EXPECT_EQ(SetBit32(value, bit), set) << value << " bit " << int{bit};
        EXPECT_EQ(ClearBit32(value, bit), cleared) << value << " bit " << int{bit};
        EXPECT_EQ(TestBit32(value, bit), tested) << value << " bit " << int{bit};
    }
}

// ClearBit dispatches by the value's type and keeps it; the node flags of a
// byte are bits 6 to 8.
TEST(ClearBit, ClearsByTheWidthOfTheValuesOwnType) {
    using Case = std::tuple<Value, std::uint8_t, Value>;
    const auto u8 = Value::ofUInt8;
    const auto i16 = Value::ofInt16;
    const Value fullDecimal = Value::ofDecimal(Decimal::fromParts(0, 0, 0xFFFFFFFF));
    for (const auto& [value, bit, expected] :
         {Case{u8(0xFF), 1, u8(0xFE)}, Case{u8(0xFF), 6, u8(0xDF)}, Case{u8(0xFF), 8, u8(0x7F)},
          Case{u8(0xFF), 0, u8(0xFF)}, Case{u8(0xFF), 9, u8(0xFF)}, Case{i16(-1), 1, i16(-2)},
          Case{i16(0x7FFF), 15, i16(0x3FFF)}, Case{i16(-1), 16, i16(32767)},
          Case{i16(-32768), 16, i16(0)}, Case{i16(5), 16, i16(5)}, Case{i16(-1), 0, i16(-1)},
          Case{i16(-1), 17, i16(-1)}, Case{Value::ofInt32(-1), 32, Value::ofInt32(0x7FFFFFFF)},
          Case{fullDecimal, 96, Value::ofDecimal(Decimal::fromParts(0, 0, 0x7FFFFFFF))},
          Case{Value(), 1, Value()}, Case{Value::ofSingle(255.0F), 1, Value::ofSingle(255.0F)},
          Case{Value::ofDouble(-1.0), 1, Value::ofDouble(-1.0)},
          Case{Value::ofBoolean(true), 1, Value::ofBoolean(true)},
          Case{Value::ofText("255"), 1, Value::ofText("255")}}) {
        const Value result = ClearBit(value, bit);
        EXPECT_EQ(result.type(), expected.type()) << "bit " << int{bit};
        EXPECT_EQ(result, expected) << "bit " << int{bit};
    }
}

TEST(DecimalBitOp, SelectsTheWordByItsPositionInTheRecord) {
    using Case = std::tuple<std::uint8_t, std::size_t, std::uint8_t>;
    for (const auto& [bit, byte, mask] :
         {Case{1, 4, 0x01}, Case{8, 4, 0x80}, Case{9, 5, 0x01}, Case{32, 7, 0x80},
          Case{33, 8, 0x01}, Case{64, 11, 0x80}, Case{65, 12, 0x01}, Case{96, 15, 0x80}}) {
        const Value set = DecimalBitOp(Value::ofDecimal(Decimal()), bit, kDecimalSet);
        ASSERT_EQ(set.type(), ValueType::Decimal);
        Decimal::Bytes expected{};
        expected[byte] = mask;
        EXPECT_EQ(DecimalToBytes(set), expected) << "bit " << int{bit};
        const Value tested = DecimalBitOp(set, bit, kDecimalTest);
        ASSERT_EQ(tested.type(), ValueType::Boolean);
        EXPECT_EQ(tested.toDouble(), -1.0);
    }
}

TEST(DecimalBitOp, ClearsAndTestsWithoutTouchingScaleSignOrTag) {
    Decimal::Bytes bytes{};
    bytes.fill(0xFF);
    const Value full = BytesToDecimal(bytes);
    EXPECT_EQ(DecimalToBytes(full), bytes);

    for (const int clearCode : {0, 2}) {
        Decimal::Bytes expected = bytes;
        expected[8] = 0x7F;  // bit 40 is bit 8 of the word at bytes 8 to 11
        EXPECT_EQ(DecimalToBytes(DecimalBitOp(full, 40, clearCode)), expected) << clearCode;
    }
    EXPECT_EQ(DecimalBitOp(BytesToDecimal(Decimal::Bytes{}), 40, 7).toDouble(), 0.0);
    EXPECT_EQ(DecimalBitOp(full, 40, 3).type(), ValueType::Boolean);
    for (const std::uint8_t outside : std::initializer_list<std::uint8_t>{0, 97, 255}) {
        EXPECT_EQ(DecimalToBytes(DecimalBitOp(full, outside, kDecimalClear)), bytes);
    }
}

// Any other type reads as sixteen zero bytes; an out-of-range bit returns it whole.
TEST(DecimalBitOp, ANonDecimalArgumentIsReadAsZeroBytes) {
    const Value set = DecimalBitOp(Value::ofInt32(-1), 2, kDecimalSet);
    ASSERT_EQ(set.type(), ValueType::Decimal);
    EXPECT_EQ(set.get<Decimal>()->word(0), 2U);
    EXPECT_EQ(DecimalBitOp(Value::ofInt32(-1), 0, kDecimalSet).type(), ValueType::Int32);
    for (const Value& other : {Value(), Value::ofText("x")}) {
        EXPECT_EQ(DecimalToBytes(other), Decimal::Bytes{});
    }
}

}  // namespace
}  // namespace rennlupe::bits
