#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rennlupe::tools {

// A UDP port on the address that the kernel gives out now, so that a program
// started next can receive on it; nothing when the address cannot be bound.
std::optional<std::uint16_t> freeUdpPort(std::string_view address);

}  // namespace rennlupe::tools
