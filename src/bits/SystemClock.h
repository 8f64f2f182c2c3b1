#pragma once

#include "bits/Clock.h"

#include <ctime>

namespace rennlupe::bits {

// The local time of day. The calendar is asked once a second: the C library
// looks at the time-zone file on each call, and the position packets ask often.
class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() const override;
    double monotonicSeconds() const override;

private:
    mutable std::time_t m_second = -1;
    mutable double m_secondSinceMidnight = 0.0;
};

}  // namespace rennlupe::bits
