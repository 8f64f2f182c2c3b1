#include "insim/Windows1252.h"

#include <array>
#include <cstddef>

namespace rennlupe::insim {

namespace {

// Bytes 0x80 to 0x9F; everything else is its own code point.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::uint8_t kUnmappable = '?';

void appendUtf8(std::string& out, char32_t cp) {
    auto put = [&out](std::uint32_t unit) { out.push_back(static_cast<char>(unit)); };
    const auto c = static_cast<std::uint32_t>(cp);
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0U | (c >> 6U));
        put(0x80U | (c & 0x3FU));
    } else {
        put(0xE0U | (c >> 12U));
        put(0x80U | ((c >> 6U) & 0x3FU));
        put(0x80U | (c & 0x3FU));
    }
}

std::uint8_t byteFor(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<std::uint8_t>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return kUnmappable;
}

// Decodes one well-formed UTF-8 sequence at text[at]; length 0 when malformed.
struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

Decoded decodeAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        return {lead, 1};
    }
    if ((lead & 0xE0U) == 0xC0U) {
        length = 2;
        cp = lead & 0x1FU;
        minimum = 0x80;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3;
        cp = lead & 0x0FU;
        minimum = 0x800;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4;
        cp = lead & 0x07U;
        minimum = 0x10000;
    } else {
        return {0, 0};
    }
    if (at + length > text.size()) {
        return {0, 0};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<std::uint8_t>(text[at + i]);
        if ((next & 0xC0U) != 0x80U) {
            return {0, 0};
        }
        cp = (cp << 6U) | (next & 0x3FU);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return {0, 0};
    }
    return {cp, length};
}

}  // namespace

char32_t windows1252ToCodePoint(std::uint8_t byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80U];
    }
    return byte;
}

std::string windows1252ToUtf8(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const std::uint8_t byte : bytes) {
        appendUtf8(out, windows1252ToCodePoint(byte));
    }
    return out;
}

std::vector<std::uint8_t> utf8ToWindows1252(std::string_view text) {
    std::vector<std::uint8_t> out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const Decoded decoded = decodeAt(text, at);
        if (decoded.length == 0) {
            out.push_back(kUnmappable);
            ++at;
            continue;
        }
        out.push_back(byteFor(decoded.codePoint));
        at += decoded.length;
    }
    return out;
}

}  // namespace rennlupe::insim
