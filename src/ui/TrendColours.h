#pragma once

#include "ui/choiceNamed.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace rennlupe::ui {

// Whether the gap lines are coloured by their trend: auto colours them with today's game
// only, as the old generation's front never does.
enum class TrendColours { Auto, On, Off };

inline constexpr std::array<std::string_view, 3> kTrendColourNames = {"auto", "on", "off"};

inline std::string_view nameOf(TrendColours trend) {
    return kTrendColourNames[static_cast<std::size_t>(trend)];
}

inline std::optional<TrendColours> trendColoursNamed(std::string_view name) {
    return choiceNamed<TrendColours>(kTrendColourNames, name);
}

}  // namespace rennlupe::ui
