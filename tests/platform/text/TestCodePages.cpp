#include "platform/text/codePages.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace rennlupe::platform {
namespace {

using Case = std::tuple<CodePage, std::string, std::string>;  // page, bytes, UTF-8

// Each page by a character of its own; in the double-byte pages a trail byte may be
// '^' (0x5E) or '\' (0x5C). What a page lacks (Windows' tables give some such bytes
// private-use characters), or a pair cut off at the end, reads as U+FFFD.
TEST(CodePages, ReadEachPageIntoUtf8) {
    for (const auto& [page, bytes, text] :
         {Case{CodePage::Latin,
               "Gr\xF6\xDF"
               "e \x80",
               "Größe €"},
          Case{CodePage::CentralEuropean, "\xF8", "ř"}, Case{CodePage::Turkish, "\xFE", "ş"},
          Case{CodePage::Baltic, "\xE8", "č"},
          Case{CodePage::Japanese, "\x83\x5E\x83\x43\x83\x80", "タイム"},
          Case{CodePage::Japanese, "\x95\x5C", "表"},
          Case{CodePage::Cyrillic, "\xC6\xE5\xED\xFF", "Женя"}, Case{CodePage::Greek, "\xD9", "Ω"},
          Case{CodePage::TraditionalChinese, "\xA4\x40", "一"},
          Case{CodePage::SimplifiedChinese, "\xC4\xE3", "你"},
          Case{CodePage::Korean, "\xB0\xA1", "가"},
          Case{CodePage::Latin,
               "a\x81"
               "b",
               "a\uFFFDb"},
          Case{CodePage::Greek, "\xAA!", "\uFFFD!"}, Case{CodePage::Baltic, "\xA1", "\uFFFD"},
          Case{CodePage::Japanese, "A\x83", "A\uFFFD"},
          Case{CodePage::Japanese,
               "\x83\x0A"
               "B",
               "\uFFFD\nB"},
          Case{CodePage::Latin, "", ""}}) {
        EXPECT_EQ(toUtf8(bytes, page), text) << static_cast<int>(page) << " " << text;
    }
}

TEST(CodePages, WriteACharacterOnlyWhereThePageHoldsIt) {
    using Out = std::tuple<CodePage, std::string, std::optional<std::string>>;
    for (const auto& [page, character, bytes] :
         {Out{CodePage::Latin, "€", "\x80"}, Out{CodePage::CentralEuropean, "ř", "\xF8"},
          Out{CodePage::Japanese, "タ", "\x83\x5E"}, Out{CodePage::Latin, "ř", std::nullopt},
          Out{CodePage::Cyrillic, "Ω", std::nullopt}, Out{CodePage::Korean, "가", "\xB0\xA1"}}) {
        EXPECT_EQ(fromUtf8(character, page), bytes) << character;
    }
}

TEST(CodePages, LeadBytesBelongToTheDoubleBytePagesOnly) {
    using Lead = std::tuple<CodePage, int, bool>;
    for (const auto& [page, byte, lead] :
         {Lead{CodePage::Japanese, 0x81, true}, Lead{CodePage::Japanese, 0x9F, true},
          Lead{CodePage::Japanese, 0xA0, false}, Lead{CodePage::Japanese, 0xE0, true},
          Lead{CodePage::Japanese, 0xFD, false}, Lead{CodePage::Korean, 0xFE, true},
          Lead{CodePage::TraditionalChinese, 0x80, false}, Lead{CodePage::Latin, 0x81, false},
          Lead{CodePage::Greek, 0xC0, false}}) {
        EXPECT_EQ(isLeadByte(static_cast<std::uint8_t>(byte), page), lead) << byte;
    }
}

}  // namespace
}  // namespace rennlupe::platform
