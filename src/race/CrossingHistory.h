#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace rennlupe::race {

// When one car passed each of its latest nodes, by progress (lap * NumNodes + node from the
// finish), in a fixed ring. The nodes held are always consecutive, so a lookup is an index.
class CrossingHistory {
public:
    static constexpr std::size_t kCrossings = 1024;
    // A longer jump between two samples was no drive (a reset, a new lap count): start over.
    static constexpr std::int64_t kMaxSkip = 256;

    void clear() { m_size = 0; }
    // Every node passed since the newest held gets a moment interpolated by nodes up to this one.
    void record(std::int64_t progress, double at);
    std::optional<double> passed(std::int64_t progress) const;
    std::size_t size() const { return m_size; }

private:
    void push(double at);

    std::array<double, kCrossings> m_at{};
    std::size_t m_next = 0;
    std::size_t m_size = 0;
    std::int64_t m_newest = 0;
};

}  // namespace rennlupe::race
