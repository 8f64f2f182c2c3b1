#pragma once

#include "bits/Clock.h"

namespace rennlupe::support {

// A time of day that moves only when the test says so.
class ManualClock final : public bits::Clock {
public:
    explicit ManualClock(double secondsSinceMidnight = 0.0) : m_seconds(secondsSinceMidnight) {}

    double secondsSinceMidnight() const override { return m_seconds; }
    double monotonicSeconds() const override { return m_seconds; }
    void advance(double seconds) { m_seconds += seconds; }

private:
    double m_seconds;
};

}  // namespace rennlupe::support
