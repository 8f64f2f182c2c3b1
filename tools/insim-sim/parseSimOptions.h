#pragma once

#include "insim-sim/SimOptions.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rennlupe::tools {

// The options after the program name; nothing and a message in error when
// one is unknown, lacks its value or has a value out of range.
std::optional<SimOptions> parseSimOptions(std::span<const std::string_view> arguments,
                                          std::string& error);

std::string_view simUsage();

}  // namespace rennlupe::tools
