#pragma once

#include "bits/MessageLine.h"

#include <cstdint>
#include <span>
#include <string>

namespace rennlupe::insim {

// Turns a zero-padded game text field into display text (UTF-8): escape
// codes back to their characters, colour codes dropped, cut at the first zero.
// A failure is written to the message line and gives the empty text.
std::string byt2str(std::span<const std::uint8_t> bytes, bits::MessageLine& messageLine);

}  // namespace rennlupe::insim
