#include "insim/byt2str.h"

#include "bits/guardHandler.h"
#include "bits/Overflow.h"
#include "insim/Windows1252.h"

#include <array>
#include <cstddef>
#include <utility>

namespace rennlupe::insim {

namespace {

constexpr char kCaret = '^';

// In the order the passes run; a later pass never revisits an earlier code.
constexpr std::array<std::pair<char, char>, 9> kEscapes = {{
    {'a', '*'},
    {'c', ':'},
    {'d', '\\'},
    {'l', '<'},
    {'q', '?'},
    {'r', '>'},
    {'s', '/'},
    {'t', '"'},
    {'v', '|'},
}};

// The terminator's position (from 1) is held in an unsigned 8-bit value.
constexpr std::size_t kLargestTerminatorPosition = 255;

// One left-to-right pass over "^code": replaced by one character, or removed
// when replacement is 0. Works in place since the text only shrinks.
void replaceCode(std::string& text, char code, char replacement) {
    std::size_t write = 0;
    std::size_t read = 0;
    while (read < text.size()) {
        if (text[read] == kCaret && read + 1 < text.size() && text[read + 1] == code) {
            if (replacement != '\0') {
                text[write++] = replacement;
            }
            read += 2;
        } else {
            text[write++] = text[read++];
        }
    }
    text.resize(write);
}

std::string decode(std::span<const std::uint8_t> bytes) {
    // One character per byte, so the passes can run on the bytes themselves.
    std::string text(bytes.begin(), bytes.end());
    if (text.find(kCaret) != std::string::npos) {
        for (const auto& [code, replacement] : kEscapes) {
            replaceCode(text, code, replacement);
        }
        for (char digit = '0'; digit <= '9'; ++digit) {
            replaceCode(text, digit, '\0');
        }
    }
    const std::size_t zero = text.find('\0');
    if (zero != std::string::npos) {
        if (zero + 1 > kLargestTerminatorPosition) {
            throw bits::Overflow();
        }
        text.resize(zero);
    }
    const auto* first = reinterpret_cast<const std::uint8_t*>(text.data());
    return windows1252ToUtf8(std::span<const std::uint8_t>(first, text.size()));
}

}  // namespace

std::string byt2str(std::span<const std::uint8_t> bytes, bits::MessageLine& messageLine) {
    std::string result;
    bits::guardHandler(messageLine, "byt2str", [&] { result = decode(bytes); });
    return result;
}

}  // namespace rennlupe::insim
