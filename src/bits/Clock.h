#pragma once

namespace rennlupe::bits {

// Local time of day, handed to whoever time-stamps, so tests can set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() const = 0;

protected:
    Clock() = default;
    Clock(const Clock&) = default;
    Clock& operator=(const Clock&) = default;
};

}  // namespace rennlupe::bits
