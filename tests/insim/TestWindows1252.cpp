#include "insim/Windows1252.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace rennlupe::insim {
namespace {

std::vector<std::uint8_t> encoded(std::string_view text) {
    return utf8ToWindows1252(text);
}

TEST(Windows1252, EveryByteDecodesAndEncodesBackToItself) {
    for (int b = 0; b < 256; ++b) {
        const std::array<std::uint8_t, 1> one = {static_cast<std::uint8_t>(b)};
        const std::string utf8 = windows1252ToUtf8(one);
        EXPECT_EQ(encoded(utf8), std::vector<std::uint8_t>(one.begin(), one.end())) << "byte " << b;
    }
}

TEST(Windows1252, MapsTheHighControlRangeLikeTheSystemCodePage) {
    EXPECT_EQ(windows1252ToCodePoint(0x80), U'€');
    EXPECT_EQ(windows1252ToCodePoint(0x8A), U'Š');
    EXPECT_EQ(windows1252ToCodePoint(0x99), U'™');
    EXPECT_EQ(windows1252ToCodePoint(0x9F), U'Ÿ');
    for (const std::uint8_t undefined :
         std::initializer_list<std::uint8_t>{0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(windows1252ToCodePoint(undefined), char32_t{undefined});
    }
    EXPECT_EQ(windows1252ToCodePoint(0xA0), U'\u00A0');
    EXPECT_EQ(windows1252ToCodePoint(0xE4), U'ä');
}

TEST(Windows1252, EncodesOneBytePerCharacter) {
    EXPECT_EQ(encoded("Größe"), (std::vector<std::uint8_t>{'G', 'r', 0xF6, 0xDF, 'e'}));
    EXPECT_EQ(encoded("€ ™"), (std::vector<std::uint8_t>{0x80, ' ', 0x99}));
    EXPECT_EQ(encoded(std::string_view("a\0b", 3)), (std::vector<std::uint8_t>{'a', 0, 'b'}));
    // Cutting the encoded bytes never splits a character.
    EXPECT_EQ(encoded("ääää").size(), 4U);
}

TEST(Windows1252, WritesAQuestionMarkForWhatItCannotHold) {
    EXPECT_EQ(encoded("Ω😀\u0080"), (std::vector<std::uint8_t>{'?', '?', '?'}));
    // Malformed UTF-8: a lone lead, a stray continuation, an overlong form, a
    // surrogate and a lead past U+10FFFF each give one "?" per byte.
    EXPECT_EQ(encoded("\xC3"), std::vector<std::uint8_t>{'?'});
    EXPECT_EQ(encoded("a\x80z"), (std::vector<std::uint8_t>{'a', '?', 'z'}));
    EXPECT_EQ(encoded("\xC0\xAF"), (std::vector<std::uint8_t>{'?', '?'}));
    EXPECT_EQ(encoded("\xED\xA0\x80"), (std::vector<std::uint8_t>{'?', '?', '?'}));
    EXPECT_EQ(encoded("\xF5\x80\x80\x80"), (std::vector<std::uint8_t>{'?', '?', '?', '?'}));
    EXPECT_EQ(encoded("\xE2\x82"), (std::vector<std::uint8_t>{'?', '?'}));
}

}  // namespace
}  // namespace rennlupe::insim
