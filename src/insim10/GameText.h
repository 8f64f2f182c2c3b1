#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace rennlupe::insim10 {

// A text field of the game (up to its first 0) as plain UTF-8: code-page switches
// (^L ^E ^T ^B ^J ^C ^G ^H ^S ^K, and ^8, which also goes back to ^L) followed,
// escapes (^v ^a ^c ^d ^s ^q ^t ^l ^r ^h ^^) read, colour codes ^0 to ^9 left out.
std::string decodeGameText(std::span<const std::uint8_t> field);

// UTF-8 as the game reads it: a code-page switch before each character the current
// page lacks, '?' for one no page holds. A '^' goes as it is: the caller's colour codes.
std::string encodeGameText(std::string_view text);

}  // namespace rennlupe::insim10
