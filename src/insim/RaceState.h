#pragma once

#include "bits/Value.h"
#include "insim/NodeLogIndex.h"
#include "insim/SightingTrail.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace rennlupe::insim {

// The race as the dispatcher has seen it: standings in race order, the ring
// of recorded node passages and the player count. Fixed sizes; never cleared.
class RaceState {
public:
    static constexpr std::size_t kColumns = 4;
    static constexpr std::int16_t kPlid = 0;
    static constexpr std::int16_t kNodeKey = 1;
    static constexpr std::int16_t kNodeTime = 2;
    static constexpr std::int16_t kLap = 3;
    static constexpr std::size_t kStandingsRows = 24;
    static constexpr std::size_t kLogRows = 20001;
    // The ring uses rows 1 to 19998: the row after 19998 is 1 again.
    static constexpr std::int16_t kLogWrapRow = 19999;
    // A node key is lap * kKeysPerLap + node.
    static constexpr std::int16_t kKeysPerLap = 1000;

    using Row = std::array<bits::Value, kColumns>;

    RaceState();

    std::array<Row, kStandingsRows>& standings() noexcept { return m_standings; }
    const std::array<Row, kStandingsRows>& standings() const noexcept { return m_standings; }
    const std::vector<Row>& nodeLog() const noexcept { return m_nodeLog; }
    const NodeLogIndex& index() const noexcept { return m_index; }

    // The trail of player id 1 to 255; every other id has an empty one.
    const SightingTrail& trailOf(std::int16_t plid) const noexcept;

    // Writes one log row and keeps the index and the car's trail up to date with it.
    void writeLogRow(std::int16_t row, std::int16_t plid, std::int16_t nodeKey, double nodeTime,
                     std::int16_t lap);

    // Recursive two-sided quicksort of standings rows first..last, highest
    // first; only this column and its partner (plid or nodeKey) move.
    void SortStandings(std::int32_t first, std::int32_t last, std::int16_t column);

    std::int16_t nodeLogNext = 0;
    std::int16_t playerCount = 0;
    std::int16_t trackNodes = 0;  // nodes of a lap, as the last position packet said

private:
    bits::Value& cell(std::int32_t row, std::int16_t column);

    std::array<Row, kStandingsRows> m_standings{};
    std::vector<Row> m_nodeLog;
    NodeLogIndex m_index;
    std::array<SightingTrail, 256> m_trails{};  // by player id; 0 stays empty
};

}  // namespace rennlupe::insim
