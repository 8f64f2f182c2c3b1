#pragma once

#include "controls/Label.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace rennlupe::controls {

// A control array: labels "name(0)" to "name(N-1)", each captioned by captionOf(index).
template <std::size_t N, std::invocable<std::size_t> CaptionOf>
std::array<Label, N> makeLabelArray(std::string_view name, CaptionOf captionOf) {
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<Label, N>{
            Label(std::string(name) + "(" + std::to_string(I) + ")", std::string(captionOf(I)))...};
    }
    (std::make_index_sequence<N>{});
}

// A control array whose labels all carry the same caption.
template <std::size_t N>
std::array<Label, N> makeLabelArray(std::string_view name, std::string_view caption) {
    return makeLabelArray<N>(name, [caption](std::size_t) { return caption; });
}

}  // namespace rennlupe::controls
