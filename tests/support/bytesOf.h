#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace rennlupe::support {

// The bytes of a literal, embedded zeros included: bytesOf("VER\0"sv).
inline std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

}  // namespace rennlupe::support
