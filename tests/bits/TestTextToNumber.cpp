#include "bits/textToNumber.h"

#include "bits/Overflow.h"
#include "bits/TypeMismatch.h"
#include "bits/Value.h"

#include <gtest/gtest.h>

namespace rennlupe::bits {
namespace {

TEST(TextToNumber, ReadsCaptionsAsNumbers) {
    EXPECT_EQ(textToNumber("35"), 35.0);
    EXPECT_EQ(textToNumber(" -7 "), -7.0);
    EXPECT_EQ(textToNumber("+2.5"), 2.5);
    EXPECT_EQ(textToNumber("1e3"), 1000.0);
    for (const char* bad : {"", " ", "Max", "12abc", "inf", "nan", "-", "0x10", "1e999"}) {
        EXPECT_THROW((void)textToNumber(bad), TypeMismatch) << bad;
    }
}

TEST(ValueToInt16, RoundsHalvesToEvenAndChecksTheRange) {
    EXPECT_EQ(Value().toInt16(), 0);
    EXPECT_EQ(Value::ofText("17").toInt16(), 17);
    EXPECT_EQ(Value::ofDouble(2.5).toInt16(), 2);
    EXPECT_EQ(Value::ofDouble(3.5).toInt16(), 4);
    EXPECT_EQ(Value::ofDouble(-32768.5).toInt16(), -32768);
    EXPECT_EQ(Value::ofBoolean(true).toInt16(), -1);
    EXPECT_THROW((void)Value::ofDouble(32767.5).toInt16(), Overflow);
    EXPECT_THROW((void)Value::ofText("40000").toInt16(), Overflow);
    EXPECT_THROW((void)Value::ofText("Max").toInt16(), TypeMismatch);
}

}  // namespace
}  // namespace rennlupe::bits
