#pragma once

namespace rennlupe::tools {

// The viewed car's engine: revs climb steadily to the limit, then drop back as
// the driver shifts up; the shift light is on near the top.
class RevsCycle {
public:
    void reset() { m_revs = kAfterShift; }
    // One step of a stream of `rate` steps a second.
    void advance(int rate) {
        m_revs += kPerSecond / rate;
        if (m_revs > kTop) {
            m_revs = kAfterShift;
        }
    }
    double revs() const { return m_revs; }
    bool shiftLight() const { return m_revs >= kShift; }

private:
    static constexpr double kShift = 7000.0;
    static constexpr double kTop = 7600.0;
    static constexpr double kAfterShift = 5000.0;
    static constexpr double kPerSecond = 3000.0;

    double m_revs = kAfterShift;
};

}  // namespace rennlupe::tools
