#include "insim10/GameText.h"

#include "platform/text/codePages.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace rennlupe::insim10 {

namespace {

using platform::CodePage;

// The switch letters in the order of the code pages' numbers.
constexpr std::string_view kSwitches = "LETBJCGHSK";
// The pages tried for a character the current one lacks: one byte a character first.
constexpr std::array<CodePage, 10> kTried = {
    CodePage::Latin,    CodePage::CentralEuropean,    CodePage::Turkish,
    CodePage::Baltic,   CodePage::Cyrillic,           CodePage::Greek,
    CodePage::Japanese, CodePage::TraditionalChinese, CodePage::SimplifiedChinese,
    CodePage::Korean};
// Escape letters and what they stand for.
constexpr std::string_view kEscapes = "vacdsqtlrh^";
constexpr std::string_view kEscaped = "|*:\\/?\"<>#^";

std::optional<CodePage> switchTo(char letter) {
    const std::size_t at = kSwitches.find(letter);
    return at == std::string_view::npos ? std::nullopt : std::optional(static_cast<CodePage>(at));
}

// The byte length of the UTF-8 character that starts with this byte (1 for a stray byte).
std::size_t utf8Length(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

}  // namespace

std::string decodeGameText(std::span<const std::uint8_t> field) {
    std::string text;
    std::string run;  // bytes in the current page, not yet read
    CodePage page = CodePage::Latin;
    const auto flush = [&] {
        text += platform::toUtf8(run, page);
        run.clear();
    };
    for (std::size_t i = 0; i < field.size() && field[i] != 0; ++i) {
        const auto byte = static_cast<char>(field[i]);
        const bool hasNext = i + 1 < field.size() && field[i + 1] != 0;
        // In a double-byte page the second byte of a pair may be '^': read pairs whole.
        if (platform::isLeadByte(field[i], page) && hasNext) {
            run += byte;
            run += static_cast<char>(field[++i]);
            continue;
        }
        if (byte != '^' || !hasNext) {
            run += byte;  // a '^' that ends the field stands for itself
            continue;
        }
        const auto code = static_cast<char>(field[i + 1]);
        if (const auto next = switchTo(code); next || (code >= '0' && code <= '9')) {
            flush();
            page = next ? *next : code == '8' ? CodePage::Latin : page;
            ++i;
        } else if (const std::size_t at = kEscapes.find(code); at != std::string_view::npos) {
            flush();
            text += kEscaped[at];
            ++i;
        } else {
            run += byte;
        }
    }
    flush();
    return text;
}

std::string encodeGameText(std::string_view text) {
    std::string bytes;
    CodePage page = CodePage::Latin;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length =
            std::min(utf8Length(static_cast<unsigned char>(text[i])), text.size() - i);
        const std::string_view character = text.substr(i, length);
        i += length;
        if (static_cast<unsigned char>(character[0]) < 0x80) {
            bytes += character;
            continue;
        }
        std::optional<std::string> written = platform::fromUtf8(character, page);
        for (std::size_t n = 0; !written && n < kTried.size(); ++n) {
            if (written = platform::fromUtf8(character, kTried[n]); written) {
                page = kTried[n];
                bytes += '^';
                bytes += kSwitches[static_cast<std::size_t>(page)];
            }
        }
        bytes += written ? *written : std::string("?");
    }
    return bytes;
}

}  // namespace rennlupe::insim10
