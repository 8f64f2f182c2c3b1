#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The game's texts are single-byte Windows-1252. The five bytes that code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for their own code
// points, as the system code page decodes them, so every byte round-trips.
namespace rennlupe::insim {

char32_t windows1252ToCodePoint(std::uint8_t byte);

// Each byte becomes one character, written as UTF-8; zero bytes are kept.
std::string windows1252ToUtf8(std::span<const std::uint8_t> bytes);

// One byte per character; "?" for a character the code page cannot hold and
// for each byte of malformed UTF-8.
std::vector<std::uint8_t> utf8ToWindows1252(std::string_view text);

}  // namespace rennlupe::insim
