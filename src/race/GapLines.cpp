#include "race/GapLines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace rennlupe::race {

GapLines::GapLines(const Gaps& gaps, Trend ahead, Trend behind) {
    append("V - ", ahead, gaps.ahead);
    m_text[m_size++] = '\r';
    append("H - ", behind, gaps.behind);
}

void GapLines::append(std::string_view prefix, Trend trend, const Gap& gap) {
    if (trend != Trend::Steady) {
        m_text[m_size++] = '^';
        m_text[m_size++] = trend == Trend::Shrinking ? '2' : '1';
    }
    std::copy(prefix.begin(), prefix.end(), m_text.begin() + static_cast<std::ptrdiff_t>(m_size));
    m_size += prefix.size();
    if (!gap.seconds || !std::isfinite(*gap.seconds) || std::fabs(*gap.seconds) > 1e12) {
        constexpr std::string_view kUnknown = "--:--:---";
        std::copy(kUnknown.begin(), kUnknown.end(),
                  m_text.begin() + static_cast<std::ptrdiff_t>(m_size));
        m_size += kUnknown.size();
        return;
    }
    // Digits by hand: this runs for every position set, and a formatted print costs more.
    const std::int64_t ms = std::llround(std::max(*gap.seconds, 0.0) * 1000.0);
    const std::int64_t whole = ms / 1000;
    const auto digits = [this](std::int64_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            m_text[m_size + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
        m_size += static_cast<std::size_t>(count);
    };
    digits(whole % 3600 / 60, 2);
    m_text[m_size++] = ':';
    digits(whole % 60, 2);
    m_text[m_size++] = ':';
    digits(ms % 1000, 3);
}

}  // namespace rennlupe::race
