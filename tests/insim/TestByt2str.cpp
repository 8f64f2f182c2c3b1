#include "insim/byt2str.h"
#include "insim/Windows1252.h"

#include "support/bytesOf.h"
#include "support/RecordingMessageLine.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rennlupe::insim {
namespace {

using namespace std::string_view_literals;
using support::bytesOf;

// Nine escape passes in table order, then the colours "^0" to "^9" in
// ascending order, then the cut at the first zero, then Windows-1252.
TEST(Byt2str, ReplacesEscapesDropsColoursAndCutsAtTheFirstZero) {
    using Case = std::pair<std::string_view, std::string_view>;
    for (const auto& [field, text] :
         {Case{"^1Name^7\0\0\0"sv, "Name"}, Case{"a^sb^dc", "a/b\\c"},
          Case{"^a^c^d^l^q^r^s^t^v", "*:\\<?>/\"|"}, Case{"^0^1^2^3^4^5^6^7^8^9", ""},
          Case{"^A^C^x^^", "^A^C^x^^"}, Case{"^", "^"}, Case{"^^c", "^:"}, Case{"^^1c", "^c"},
          Case{"^^12", ""}, Case{"^^21", "^1"}, Case{std::string_view("\0\0\0\0", 4), ""},
          Case{"Wholefield", "Wholefield"}, Case{"Max\0^1^a\0Hidden"sv, "Max"},
          Case{"^1^2A\0B"sv, "A"}, Case{"Gr\xF6\xDF\x65", "Größe"},
          Case{"\x80\x81\x9F\xFF", "€\u0081Ÿÿ"}}) {
        support::RecordingMessageLine line;
        EXPECT_EQ(byt2str(bytesOf(field), line), text) << field;
        EXPECT_TRUE(line.messages().empty()) << field;
    }
}

// The terminator's position, counted in characters after the passes and
// before decoding, is held in a byte: past 255 the text is empty and reported.
TEST(Byt2str, TerminatorPositionPast255IsAnOverflow) {
    support::RecordingMessageLine line;
    std::vector<std::uint8_t> field(300, 'A');
    field[254] = 0;
    EXPECT_EQ(byt2str(field, line), std::string(254, 'A'));
    field[254] = 'A';
    field[255] = 0;
    EXPECT_EQ(byt2str(field, line), "");
    EXPECT_EQ(line.messages(), std::vector<std::string>{"-ERROR- byt2str() - 6: Overflow"});

    // No zero at all is no terminator, however long the field.
    EXPECT_EQ(byt2str(std::vector<std::uint8_t>(300, 'B'), line), std::string(300, 'B'));
    // 50 colour codes shrink a zero at byte 300 to position 201.
    std::string coded;
    for (int i = 0; i < 50; ++i) {
        coded += "^1";
    }
    EXPECT_EQ(byt2str(bytesOf(coded + std::string(199, 'C') + '\0'), line), std::string(199, 'C'));
    // 200 two-byte UTF-8 characters before the zero: position 201, not 401.
    std::vector<std::uint8_t> accents(200, 0xE9);
    accents.push_back(0);
    std::string expected;
    for (int i = 0; i < 200; ++i) {
        expected += "é";
    }
    EXPECT_EQ(byt2str(accents, line), expected);
    EXPECT_EQ(line.messages().size(), 1U);
}

TEST(Windows1252, EveryByteDecodesAndEncodesBackToItself) {
    for (int b = 0; b < 256; ++b) {
        const std::array<std::uint8_t, 1> one = {static_cast<std::uint8_t>(b)};
        EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(one)),
                  std::vector<std::uint8_t>(one.begin(), one.end()))
            << "byte " << b;
    }
}

// 0x80 to 0x9F map like the system code page; its five undefined bytes stay themselves.
TEST(Windows1252, MapsTheHighControlRangeLikeTheSystemCodePage) {
    using Map = std::pair<std::uint8_t, char32_t>;
    for (const auto& [byte, codePoint] :
         {Map{0x80, U'€'}, Map{0x8A, U'Š'}, Map{0x99, U'™'}, Map{0x9F, U'Ÿ'}, Map{0x81, 0x81},
          Map{0x8D, 0x8D}, Map{0x8F, 0x8F}, Map{0x90, 0x90}, Map{0x9D, 0x9D}, Map{0xA0, 0xA0},
          Map{0xE4, U'ä'}}) {
        EXPECT_EQ(windows1252ToCodePoint(byte), codePoint) << int{byte};
    }
}

// One byte per character, "?" for what the code page cannot hold and for each
// byte of malformed UTF-8: a lone lead, a stray continuation, an overlong form,
// a surrogate, a lead past U+10FFFF, a cut sequence.
TEST(Windows1252, EncodesOneBytePerCharacter) {
    using Case = std::pair<std::string_view, std::string_view>;
    for (const auto& [utf8, expected] :
         {Case{"Größe", "Gr\xF6\xDF\x65"}, Case{"€ ™", "\x80 \x99"}, Case{"a\0b"sv, "a\0b"sv},
          Case{"Ω😀\u0080", "???"}, Case{"\xC3", "?"}, Case{"a\x80z", "a?z"}, Case{"\xC0\xAF", "??"},
          Case{"\xED\xA0\x80", "???"}, Case{"\xF5\x80\x80\x80", "????"}, Case{"\xE2\x82", "??"}}) {
        EXPECT_EQ(utf8ToWindows1252(utf8), support::bytesOf(expected)) << utf8;
    }
}

}  // namespace
}  // namespace rennlupe::insim
