#pragma once

namespace rennlupe::bits {

// Local time of day and a monotonic clock, handed to whoever time-stamps, so tests can set them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;
    // Seconds that only ever grow, for the moments of today's race; no jump at midnight.
    virtual double monotonicSeconds() const = 0;

protected:
    Clock() = default;
    Clock(const Clock&) = default;
    Clock& operator=(const Clock&) = default;
};

}  // namespace rennlupe::bits
