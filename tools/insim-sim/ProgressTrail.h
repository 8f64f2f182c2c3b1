#pragma once

#include <deque>
#include <optional>

namespace rennlupe::tools {

// Where one car was when: its progress at each step, with even motion in between.
// Keeps at least the last two and a half laps.
class ProgressTrail {
public:
    explicit ProgressTrail(double lapLength) : m_keep(2.5 * lapLength) {}

    void clear() { m_samples.clear(); }
    // Progress never falls between two samples of one race.
    void record(double time, double progress);
    // The first moment the car reached this progress; nothing when the trail does
    // not reach back that far or the car has not got there yet.
    std::optional<double> momentAt(double progress) const;

private:
    struct Sample {
        double time;
        double progress;
    };

    double m_keep;
    std::deque<Sample> m_samples;
};

}  // namespace rennlupe::tools
