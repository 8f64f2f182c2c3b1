#include "race/GapLines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

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
    char* out = m_text.data() + m_size;
    const std::size_t room = m_text.size() - m_size;
    int written = 0;
    if (!gap.seconds || !std::isfinite(*gap.seconds) || std::fabs(*gap.seconds) > 1e12) {
        written = std::snprintf(out, room, "%.*s--:--:---", static_cast<int>(prefix.size()),
                                prefix.data());
    } else {
        const std::int64_t ms = std::llround(std::max(*gap.seconds, 0.0) * 1000.0);
        const std::int64_t whole = ms / 1000;
        written = std::snprintf(out, room, "%.*s%02d:%02d:%03d", static_cast<int>(prefix.size()),
                                prefix.data(), static_cast<int>(whole % 3600 / 60),
                                static_cast<int>(whole % 60), static_cast<int>(ms % 1000));
    }
    m_size += static_cast<std::size_t>(written);
}

}  // namespace rennlupe::race
