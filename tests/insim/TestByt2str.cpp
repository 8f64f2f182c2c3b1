#include "insim/byt2str.h"

#include "support/bytesOf.h"
#include "support/RecordingMessageLine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::insim {
namespace {

using namespace std::string_view_literals;
using support::bytesOf;

std::string decoded(std::string_view field) {
    support::RecordingMessageLine line;
    std::string text = byt2str(bytesOf(field), line);
    EXPECT_TRUE(line.messages().empty()) << "for field " << field;
    return text;
}

TEST(Byt2str, ReplacesEscapesAndDropsColourCodes) {
    EXPECT_EQ(decoded("^1Name^7\0\0\0"sv), "Name");
    EXPECT_EQ(decoded("a^sb^dc"), "a/b\\c");
    EXPECT_EQ(decoded("^a^c^d^l^q^r^s^t^v"), "*:\\<?>/\"|");
    EXPECT_EQ(decoded("^0^1^2^3^4^5^6^7^8^9"), "");
    // Case-sensitive, and only the listed codes.
    EXPECT_EQ(decoded("^A^C^x^^"), "^A^C^x^^");
    EXPECT_EQ(decoded("^"), "^");
}

TEST(Byt2str, EachCodeHasItsOwnPassInTableOrder) {
    // The escape pass finds the "^c" that starts at the second caret.
    EXPECT_EQ(decoded("^^c"), "^:");
    // Colours go after escapes: removing "^1" forms a "^c" that stays.
    EXPECT_EQ(decoded("^^1c"), "^c");
    // Colours in ascending order: the "^2" that "^1" leaves is removed later,
    // the "^1" that "^2" leaves is not.
    EXPECT_EQ(decoded("^^12"), "");
    EXPECT_EQ(decoded("^^21"), "^1");
}

TEST(Byt2str, CutsAtTheFirstZero) {
    EXPECT_EQ(decoded(std::string(24, '\0')), "");
    EXPECT_EQ(decoded("Wholefield"), "Wholefield");
    EXPECT_EQ(decoded("Max\0^1^a\0Hidden"sv), "Max");
    // Colour codes before the zero move it; the text after it never shows.
    EXPECT_EQ(decoded("^1^2A\0B"sv), "A");
}

TEST(Byt2str, DecodesWindows1252ToUtf8) {
    EXPECT_EQ(decoded("Gr\xF6\xDF"
                      "e"),
              "Größe");
    EXPECT_EQ(decoded("\x80\x81\x9F\xFF"), "€\u0081Ÿÿ");
}

TEST(Byt2str, TerminatorPositionPast255IsAnOverflow) {
    support::RecordingMessageLine line;
    std::vector<std::uint8_t> field(300, 'A');

    field[254] = 0;  // position 255: still fits
    EXPECT_EQ(byt2str(field, line), std::string(254, 'A'));
    EXPECT_TRUE(line.messages().empty());

    field[254] = 'A';
    field[255] = 0;  // position 256
    EXPECT_EQ(byt2str(field, line), "");
    EXPECT_EQ(line.messages(), std::vector<std::string>{"-ERROR- byt2str() - 6: Overflow"});

    // No zero at all is no terminator, however long the field.
    EXPECT_EQ(byt2str(std::vector<std::uint8_t>(300, 'B'), line), std::string(300, 'B'));
    EXPECT_EQ(line.messages().size(), 1U);
}

TEST(Byt2str, TerminatorPositionCountsCharactersAfterThePasses) {
    support::RecordingMessageLine line;

    // 50 colour codes shrink a zero at byte 300 to position 201.
    std::string coded;
    for (int i = 0; i < 50; ++i) {
        coded += "^1";
    }
    coded += std::string(199, 'C');
    coded.push_back('\0');
    EXPECT_EQ(byt2str(bytesOf(coded), line), std::string(199, 'C'));

    // 200 two-byte UTF-8 characters before the zero: position 201, not 401.
    std::vector<std::uint8_t> accents(200, 0xE9);
    accents.push_back(0);
    std::string expected;
    for (int i = 0; i < 200; ++i) {
        expected += "é";
    }
    EXPECT_EQ(byt2str(accents, line), expected);
    EXPECT_TRUE(line.messages().empty());
}

}  // namespace
}  // namespace rennlupe::insim
