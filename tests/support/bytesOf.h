#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace rennlupe::support {

// The bytes of a literal, embedded zeros included: bytesOf("VER\0"sv).
inline std::vector<std::uint8_t> bytesOf(std::string_view text) {
    std::vector<std::uint8_t> out;
    out.reserve(text.size());
    for (const char c : text) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    return out;
}

}  // namespace rennlupe::support
