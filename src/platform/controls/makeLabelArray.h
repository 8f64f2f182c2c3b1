#pragma once

#include "platform/controls/Label.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace rennlupe::platform {

// A control array: labels "name(0)" to "name(N-1)", all with the same caption.
template <std::size_t N>
std::array<Label, N> makeLabelArray(std::string_view name, std::string_view caption) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<Label, N>{
            Label(std::string(name) + "(" + std::to_string(I) + ")", std::string(caption))...};
    }
    (std::make_index_sequence<N>{});
}

}  // namespace rennlupe::platform
