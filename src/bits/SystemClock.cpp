#include "bits/SystemClock.h"

#include <chrono>

namespace rennlupe::bits {

double SystemClock::secondsSinceMidnight() const {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    if (seconds != m_second) {
        // One thread only, so std::localtime's shared result is safe here.
        const std::tm* local = std::localtime(&seconds);
        if (local == nullptr) {
            return 0.0;
        }
        m_second = seconds;
        m_secondSinceMidnight = local->tm_hour * 3600.0 + local->tm_min * 60.0 + local->tm_sec;
    }
    const auto fraction =
        std::chrono::duration<double>(now - std::chrono::system_clock::from_time_t(seconds));
    return m_secondSinceMidnight + fraction.count();
}

}  // namespace rennlupe::bits

namespace rennlupe::bits {

double SystemClock::monotonicSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace rennlupe::bits
