#include "bits/Value.h"

#include "bits/TypeMismatch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <compare>
#include <utility>

namespace rennlupe::bits {
namespace {

// Empty counts as zero against numbers and as the empty text against text;
// numbers compare by value across types and sort before every text.
TEST(Value, ComparesAcrossTypes) {
    using Pair = std::pair<Value, Value>;
    const auto i16 = Value::ofInt16;
    const auto text = Value::ofText;
    for (const auto& [a, b] :
         {Pair{Value(), Value()}, Pair{Value(), i16(0)}, Pair{Value(), Value::ofUInt8(0)},
          Pair{Value(), Value::ofSingle(0.0F)}, Pair{Value(), Value::ofBoolean(false)},
          Pair{Value(), text("")}, Pair{Value::ofBoolean(true), i16(-1)},
          Pair{i16(300), Value::ofInt32(300)}, Pair{Value::ofSingle(2.5F), Value::ofDouble(2.5)},
          Pair{Value::ofDecimal(Decimal::fromParts(150, 0, 0, 2)), Value::ofDouble(1.5)},
          Pair{text("Max"), text("Max")}}) {
        EXPECT_EQ(a, b);
        EXPECT_EQ(b, a);
    }
    // A negative node key sorts below the empty rows.
    for (const auto& [lower, higher] :
         {Pair{Value(), text("0")}, Pair{i16(-995), Value()}, Pair{Value(), i16(5)},
          Pair{Value(), text("a")}, Pair{Value::ofUInt8(255), i16(256)}, Pair{i16(1310), i16(2005)},
          Pair{i16(-32768), i16(32767)}, Pair{text("Abc"), text("abc")},
          Pair{Value::ofInt32(1000000), text("1")}, Pair{i16(0), text("")}}) {
        EXPECT_LT(lower, higher);
        EXPECT_GT(higher, lower);
    }
    EXPECT_EQ(Value::ofDouble(0.1) <=> Value::ofDouble(std::nan("")),
              std::partial_ordering::unordered);
}

TEST(Value, ReadsAsANumberExceptText) {
    EXPECT_TRUE(Value().isEmpty());
    EXPECT_EQ(Value().toDouble(), 0.0);
    EXPECT_EQ(Value::ofBoolean(true).toDouble(), -1.0);
    EXPECT_THROW((void)Value::ofText("12").toDouble(), TypeMismatch);
}

}  // namespace
}  // namespace rennlupe::bits
