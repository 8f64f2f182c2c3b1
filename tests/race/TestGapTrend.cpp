#include "race/GapTrend.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace rennlupe::race {
namespace {

using Range = std::optional<std::pair<double, double>>;  // nothing: unknown
// Sets `rate` a second for `seconds`, the gaps moving evenly across their ranges, seen from
// `viewed` with cars `ahead` and `behind`.
struct Stretch {
    double seconds;
    Range v;
    Range h;
    double rate = 10.0;
    std::uint8_t viewed = 2, ahead = 1, behind = 3;
};
constexpr Trend S = Trend::Steady, Shr = Trend::Shrinking, G = Trend::Growing;
constexpr auto P = [](double a, double b) { return Range(std::pair(a, b)); };

TEST(GapTrend, ComparesEachGapWithTheSameGapTenSecondsAgo) {
    const struct {
        const char* what;
        std::vector<Stretch> stretches;
        Trend v, h;
    } cases[] = {
        {"ahead shrinks, behind grows", {{10, P(2, 1.8), P(1, 1.3)}}, Shr, G},
        {"within a tenth", {{10, P(2, 1.91), P(1, 1.09)}}, S, S},
        {"less than ten seconds held", {{9.8, P(2, 1), P(1, 2)}}, S, S},
        {"ten seconds ago, not the first",
         {{5, P(1, 2), P(1, 1)}, {10, P(2, 1.5), P(1, 1)}},
         Shr,
         S},
        {"400 sets a second", {{10, P(2, 1.5), P(1, 1.5), 400}}, Shr, G},
        {"an overtake ahead", {{10, P(3, 2), P(1, 2)}, {9.8, P(.5, .1), P(2, 3), 10, 2, 4}}, S, G},
        {"ten seconds after it",
         {{10, P(3, 2), P(1, 2)}, {10, P(.5, .1), P(2, 3), 10, 2, 4}},
         Shr,
         G},
        {"another viewed car", {{10, P(3, 2), P(1, 2)}, {5, P(2, 1), P(2, 3), 10, 5}}, S, S},
        {"an unknown gap", {{10, {}, P(1, 2)}, {0.1, P(1, 1), {}}, {9, P(2, 1), P(2, 1)}}, S, S},
        {"unknown now", {{10, P(3, 2), P(1, 2)}, {0.1, {}, P(2, 2.1)}}, S, G},
        {"no car behind", {{10, P(3, 2), P(1, 2), 10, 2, 1, 0}}, Shr, S},
    };
    for (const auto& c : cases) {
        GapTrend trend;
        double now = 100.0;
        for (const Stretch& s : c.stretches) {
            const int sets = static_cast<int>(s.seconds * s.rate + 0.5);
            for (int i = 0; i <= sets; ++i, now += 1 / s.rate) {
                const auto at = [&](const Range& r) {
                    return r ? Gap{r->first + (r->second - r->first) * i / sets} : Gap{};
                };
                trend.record(now, s.viewed, s.ahead, s.behind, {at(s.v), at(s.h)});
            }
        }
        EXPECT_EQ(
            std::pair(trend.trend(GapTrend::Line::Ahead), trend.trend(GapTrend::Line::Behind)),
            std::pair(c.v, c.h))
            << c.what;
    }
}

}  // namespace
}  // namespace rennlupe::race
