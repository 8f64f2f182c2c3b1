#include "platform/text/codePages.h"
#include "platform/text/wideText.h"

#include <windows.h>

#include <array>
#include <cstddef>

namespace rennlupe::platform {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

UINT windowsCodePage(CodePage page) {
    static constexpr std::array<UINT, 10> kNumbers = {1252, 1250, 1254, 1257, 932,
                                                      1251, 1253, 950,  936,  949};
    return kNumbers.at(static_cast<std::size_t>(page));
}

// One character of the page, or nothing. Windows gives the bytes a page leaves
// undefined as C1 controls (cp1252's 0x81 as U+0081) or private-use characters
// (cp1253's 0xAA); they count as not held, as iconv says.
std::optional<wchar_t> character(std::string_view bytes, UINT codePage) {
    wchar_t out = 0;
    const int count = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                            static_cast<int>(bytes.size()), &out, 1);
    if (count != 1 || (out >= 0x80 && out <= 0x9F) || (out >= 0xE000 && out <= 0xF8FF)) {
        return std::nullopt;
    }
    return out;
}

}  // namespace

std::string toUtf8(std::string_view bytes, CodePage page) {
    const UINT codePage = windowsCodePage(page);
    std::wstring text;
    while (!bytes.empty()) {
        const auto first = static_cast<std::uint8_t>(bytes[0]);
        if (first < 0x80) {
            text.push_back(static_cast<wchar_t>(first));
            bytes.remove_prefix(1);
            continue;
        }
        const bool lead = isLeadByte(first, page);
        const std::size_t width = lead ? 2 : 1;
        const auto read =
            bytes.size() >= width ? character(bytes.substr(0, width), codePage) : std::nullopt;
        text.push_back(read.value_or(kReplacement));
        // A byte after a lead byte that cannot be its partner (below 0x40) stays.
        const bool pair = lead && bytes.size() > 1 && static_cast<std::uint8_t>(bytes[1]) >= 0x40;
        bytes.remove_prefix(read || pair ? width : 1);
    }
    return utf8FromWide(text);
}

std::optional<std::string> fromUtf8(std::string_view character, CodePage page) {
    const auto wide = wideFromUtf8(character);
    if (!wide || wide->empty()) {
        return wide ? std::optional<std::string>(std::string()) : std::nullopt;
    }
    const UINT codePage = windowsCodePage(page);
    const int size = static_cast<int>(wide->size());
    BOOL usedDefault = FALSE;
    const int length = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide->data(), size,
                                             nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide->data(), size, bytes.data(), length,
                          nullptr, nullptr);
    return bytes;
}

}  // namespace rennlupe::platform
