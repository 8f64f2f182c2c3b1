#include "insim-sim/ProgressTrail.h"

#include <algorithm>

namespace rennlupe::tools {

void ProgressTrail::record(double time, double progress) {
    m_samples.push_back({time, progress});
    while (m_samples.size() > 2 && m_samples[1].progress < progress - m_keep) {
        m_samples.pop_front();
    }
}

std::optional<double> ProgressTrail::momentAt(double progress) const {
    const auto reached = std::ranges::lower_bound(m_samples, progress, {}, &Sample::progress);
    if (reached == m_samples.end()) {
        return std::nullopt;
    }
    if (reached == m_samples.begin()) {
        if (reached->progress > progress) {
            return std::nullopt;
        }
        return reached->time;
    }
    const Sample& before = *(reached - 1);
    const double share = (progress - before.progress) / (reached->progress - before.progress);
    return before.time + share * (reached->time - before.time);
}

}  // namespace rennlupe::tools
