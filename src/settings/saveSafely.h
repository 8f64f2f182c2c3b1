#pragma once

#include "platform/files/Files.h"

#include <optional>
#include <string>
#include <string_view>

namespace rennlupe::settings {

// Stores the bytes as the file at path (through a symbolic link, to its
// target) so that a failure at any step leaves the old file as it was. A
// read-only file is never replaced. True when the bytes were stored.
bool saveSafely(platform::Files& files, const std::string& path, std::string_view bytes,
                std::optional<std::string_view> previous);

}  // namespace rennlupe::settings
