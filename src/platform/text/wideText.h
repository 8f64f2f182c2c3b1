#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 and Windows' UTF-16, for the system calls that take wide text (Windows only).
namespace rennlupe::platform {

// Nothing when the bytes are no valid UTF-8.
std::optional<std::wstring> wideFromUtf8(std::string_view utf8);
// "" when the text holds a lone surrogate, which no UTF-8 path could name again.
std::string utf8FromWide(std::wstring_view wide);

}  // namespace rennlupe::platform
