#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace rennlupe::ui {

// The choice of an enumeration whose values count from 0 in the order of their names, by
// name (as options and the settings file write them), or nothing for another text.
template <typename Choice, std::size_t N>
std::optional<Choice> choiceNamed(const std::array<std::string_view, N>& names,
                                  std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == name) {
            return static_cast<Choice>(i);
        }
    }
    return std::nullopt;
}

}  // namespace rennlupe::ui
