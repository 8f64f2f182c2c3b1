#include "bits/textToNumber.h"

#include "bits/Overflow.h"
#include "bits/TypeMismatch.h"
#include "bits/Value.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace rennlupe::bits {
namespace {

// The forms the program reads: a port box, the stand-in game's whole numbers and
// fractions (from_chars takes a "-"), and a caption.
constexpr NumberForm kPort{.low = 1, .high = 65535};
constexpr NumberForm kSeed{.minus = true, .low = 0, .high = 4294967295.0};
constexpr NumberForm kDrop{.minus = true, .fraction = true, .low = 0, .high = 1};
constexpr NumberForm kCaption{.blanks = true, .plus = true, .minus = true, .fraction = true};

TEST(ReadNumber, TakesWhatTheFormAllowsAndNothingElse) {
    const std::vector<std::tuple<NumberForm, std::string, double>> read = {
        {kPort, "50", 50}, {kPort, "0065535", 65535}, {kSeed, "4294967295", 4294967295.0},
        {kSeed, "-0", 0},  {kDrop, "0.25", 0.25},     {kDrop, ".5", 0.5},
        {kDrop, "1", 1},   {kCaption, " -7 ", -7},    {kCaption, "\t+2.5e1", 25}};
    for (const auto& [form, text, number] : read) {
        EXPECT_EQ(readNumber(text, form), number) << text;
    }
    const std::vector<std::pair<NumberForm, std::vector<std::string>>> refused = {
        {kPort, {"", "0", "65536", "4294967346", "-5", "+5", " 5", "5 ", "1.5", "1e3", "12a"}},
        {NumberForm{}, {"-1", "+1"}},  // a sign in range, but not in the form
        {kSeed, {"-1", "+1", "--0", "4294967296", std::string(400, '9')}},
        {kDrop, {"1.01", "+0.5", "inf", "nan"}},
        {kCaption, {" ", "-", "+-1", "- 1", "Max", "inf", "0x10", "1e999"}}};
    for (const auto& [form, texts] : refused) {
        for (const std::string& text : texts) {
            EXPECT_EQ(readNumber(text, form), std::nullopt) << '"' << text << '"';
        }
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
