#include "insim10/GameText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rennlupe::insim10 {
namespace {

std::string decoded(std::string_view bytes) {
    const std::vector<std::uint8_t> field(bytes.begin(), bytes.end());
    return decodeGameText(field);
}

// Switches, escapes and colours; in ^J a '^' may be the second byte of a character
// (0x83 0x5E is "タ"); a '^' that ends the field stands for itself, and so does
// one before a letter that means nothing; the field ends at its first 0.
TEST(GameText, ReadsSwitchesEscapesAndDropsColours) {
    using Case = std::pair<std::string, std::string>;
    for (const auto& [bytes, text] : {
             Case{"^E\xF8", "ř"},
             Case{"^1Max ^7M\xFC"
                  "ller",
                  "Max Müller"},
             Case{"^J\x83\x5E\x83\x43\x83\x80", "タイム"},
             Case{"^C\xC6^8\xC6", "ЖÆ"},
             Case{"^9^C\xC6^9\xC6", "ЖЖ"},
             Case{"a^vb^ac^^d^h^c^d^s^q^t^l^r", "a|b*c^d#:\\/?\"<>"},
             Case{"end^", "end^"},
             Case{"^x^", "^x^"},
             Case{std::string("ab\0^Ecd", 7), "ab"},
             Case{"^J\x83", "\uFFFD"},
         }) {
        EXPECT_EQ(decoded(bytes), text) << text;
    }
}

// A switch only where the current page lacks the character, '?' where none has it.
TEST(GameText, WritesSwitchesOnlyWhereNeeded) {
    using Case = std::pair<std::string, std::string>;
    for (const auto& [text, bytes] : {
             Case{"ř", "^E\xF8"},
             Case{"Grüße ^2V",
                  "Gr\xFC\xDF"
                  "e ^2V"},
             Case{"Жё ř", "^C\xC6\xB8 ^E\xF8"},
             Case{"タ", "^J\x83\x5E"},
             Case{"\xF0\x9F\x98\x80!", "?!"},
         }) {
        EXPECT_EQ(encodeGameText(text), bytes) << text;
    }
}

}  // namespace
}  // namespace rennlupe::insim10
