#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::insim10 {

// "0b 01 00" as bytes; spaces between pairs are optional.
inline std::vector<std::uint8_t> hexBytes(std::string_view text) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < text.size(); i += (text[i] == ' ') ? 1U : 2U) {
        if (text[i] != ' ') {
            out.push_back(
                static_cast<std::uint8_t>(std::stoi(std::string(text.substr(i, 2)), nullptr, 16)));
        }
    }
    return out;
}

}  // namespace rennlupe::insim10
