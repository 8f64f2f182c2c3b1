#pragma once

#include "bits/Clock.h"

#include <streambuf>

namespace rennlupe::console {

// Writes through to another buffer, putting the monotonic clock's seconds before each line
// as "[12.345678] ", taken when the line's first character is written, not when flushed.
class StampingStreamBuf final : public std::streambuf {
public:
    StampingStreamBuf(std::streambuf& target, const bits::Clock& clock)
        : m_target(target), m_clock(clock) {}

protected:
    int_type overflow(int_type ch) override;
    int sync() override { return m_target.pubsync(); }

private:
    std::streambuf& m_target;
    const bits::Clock& m_clock;
    bool m_lineStart = true;
};

}  // namespace rennlupe::console
