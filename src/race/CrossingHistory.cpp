#include "race/CrossingHistory.h"

#include <algorithm>

namespace rennlupe::race {

void CrossingHistory::record(std::int64_t progress, double at) {
    const std::int64_t skipped = progress - m_newest;
    if (m_size == 0 || skipped > kMaxSkip || skipped < -kMaxSkip) {
        m_size = 0;
        m_newest = progress - 1;
        push(at);
        return;
    }
    // A car that rolled back a little passes its held nodes again: they keep the first moment.
    const double from = *passed(m_newest);
    for (std::int64_t node = 1; node <= skipped; ++node) {
        push(from + (at - from) * static_cast<double>(node) / static_cast<double>(skipped));
    }
}

std::optional<double> CrossingHistory::passed(std::int64_t progress) const {
    const std::int64_t back = m_newest - progress;
    if (back < 0 || back >= static_cast<std::int64_t>(m_size)) {
        return std::nullopt;
    }
    return m_at[(m_next + kCrossings - 1 - static_cast<std::size_t>(back)) % kCrossings];
}

void CrossingHistory::push(double at) {
    m_at[m_next] = at;
    m_next = (m_next + 1) % kCrossings;
    m_size = std::min(m_size + 1, kCrossings);
    ++m_newest;
}

}  // namespace rennlupe::race
