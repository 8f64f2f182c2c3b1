#pragma once

#include "race/Gaps.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace rennlupe::race {

// "V - mm:ss:mmm\rH - mm:ss:mmm" as the old front shows them: minutes of the hour, seconds,
// thousandths rounded half up; "--:--:---" for an unknown gap. Gaps are never negative.
class GapLines {
public:
    explicit GapLines(const Gaps& gaps);

    std::string_view text() const { return {m_text.data(), m_size}; }

private:
    void append(std::string_view prefix, const Gap& gap);

    std::array<char, 64> m_text{};
    std::size_t m_size = 0;
};

}  // namespace rennlupe::race
