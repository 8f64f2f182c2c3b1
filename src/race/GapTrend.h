#pragma once

#include "race/Gaps.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace rennlupe::race {

enum class Trend { Steady, Shrinking, Growing };

// Whether the viewed car's gap lines shrink or grow: each gap now against the same gap 10 s
// ago, Steady until a line has 10 s of history. A line starts over with another viewed car or
// car ahead or behind, and at an unknown gap. Allocates only when constructed.
class GapTrend {
public:
    enum class Line { Ahead, Behind };
    static constexpr double kSpan = 10.0;      // seconds looked back
    static constexpr double kThreshold = 0.1;  // seconds of change that count
    static constexpr double kStep = 0.01;      // 100 sets a second are kept, more are thinned
    static constexpr std::size_t kSamples = 1024;

    GapTrend();

    // One reading after a packet; PLID 0 is none. `now` never goes back.
    void record(double now, std::uint8_t viewed, std::uint8_t ahead, std::uint8_t behind,
                const Gaps& gaps);
    void clear();
    Trend trend(Line line) const;

private:
    struct Sample {
        double time = 0.0;
        double gap = 0.0;
    };
    struct History {
        std::uint8_t viewed = 0;
        std::uint8_t partner = 0;
        Gap now;
        double time = 0.0;
        std::size_t first = 0;  // ring index of the oldest sample
        std::size_t size = 0;
        std::array<Sample, kSamples> ring;
    };

    static void record(History& history, double now, std::uint8_t viewed, std::uint8_t partner,
                       const Gap& gap);
    static void restart(History& history);
    static Trend trend(const History& history);

    std::unique_ptr<std::array<History, 2>> m_lines;
};

}  // namespace rennlupe::race
