#pragma once

#include "platform/text/CodePage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rennlupe::platform {

// The bytes as UTF-8; a byte or pair the page does not hold becomes U+FFFD.
std::string toUtf8(std::string_view bytes, CodePage page);
// One character, given as UTF-8, in the page's bytes; nothing when the page lacks it.
std::optional<std::string> fromUtf8(std::string_view character, CodePage page);
// True when the byte begins a two-byte character of a double-byte page.
bool isLeadByte(std::uint8_t byte, CodePage page) noexcept;

}  // namespace rennlupe::platform
