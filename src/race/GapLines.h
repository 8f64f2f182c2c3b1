#pragma once

#include "race/Gaps.h"
#include "race/GapTrend.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace rennlupe::race {

// "V - mm:ss:mmm\rH - mm:ss:mmm" as the old front shows them: minutes of the hour, seconds,
// thousandths rounded half up; "--:--:---" for an unknown gap. Gaps are never negative.
// A shrinking line begins with the game's green "^2", a growing one with its red "^1".
class GapLines {
public:
    explicit GapLines(const Gaps& gaps, Trend ahead = Trend::Steady, Trend behind = Trend::Steady);

    std::string_view text() const { return {m_text.data(), m_size}; }

private:
    void append(std::string_view prefix, Trend trend, const Gap& gap);

    std::array<char, 64> m_text{};
    std::size_t m_size = 0;
};

}  // namespace rennlupe::race
