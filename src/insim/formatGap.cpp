#include "insim/formatGap.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace rennlupe::insim {

namespace {

constexpr double kDay = 86400.0;
constexpr double kHalfDay = 43200.0;

}  // namespace

std::string formatGap(float seconds) {
    double gap = static_cast<double>(seconds);
    if (gap < -kHalfDay) {
        gap += kDay;
    }
    // Times of day give gaps within a day; keep anything else inside the integer range.
    gap = std::isfinite(gap) ? std::clamp(gap, -1e12, 1e12) : 0.0;
    const std::int64_t totalMs = std::llround(gap * 1000.0);
    const std::int64_t ms = totalMs < 0 ? -totalMs : totalMs;
    const std::int64_t whole = ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%s%02d:%02d:%03d", totalMs < 0 ? "-" : "",
                  static_cast<int>(whole % 3600 / 60), static_cast<int>(whole % 60),
                  static_cast<int>(ms % 1000));
    return text;
}

}  // namespace rennlupe::insim
