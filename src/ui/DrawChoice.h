#pragma once

#include "ui/choiceNamed.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace rennlupe::ui {

// Where the gap lines and the shift picture are drawn. Auto: with the game's buttons when
// speaking today's game, on the screen with the old one, which has no buttons.
enum class Draw { Auto, Game, Screen, Both };

inline constexpr std::array<std::string_view, 4> kDrawNames = {"auto", "game", "screen", "both"};

inline std::string_view nameOf(Draw draw) {
    return kDrawNames[static_cast<std::size_t>(draw)];
}

inline std::optional<Draw> drawNamed(std::string_view name) {
    return choiceNamed<Draw>(kDrawNames, name);
}

}  // namespace rennlupe::ui
