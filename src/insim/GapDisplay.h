#pragma once

#include "bits/Value.h"
#include "insim/DispatchHost.h"
#include "insim/NodeLogLookup.h"
#include "insim/RaceState.h"

#include <cstddef>
#include <cstdint>

namespace rennlupe::insim {

// The gaps of the viewed car to the car ahead and from the car behind, each
// measured at the node where the later car now is, shown as "V - " and "H - ".
class GapDisplay {
public:
    // What FindNeighbours fills; a value it does not find stays empty.
    struct Neighbours {
        bits::Value aheadPlid;
        bits::Value ownPlid;
        bits::Value behindPlid;
        bits::Value ownNodeKey;
        bits::Value behindNodeKey;
        bits::Value ownNodeTime;
        bits::Value behindNodeTime;
    };

    GapDisplay(const RaceState& state, DispatchHost& host, const NodeLogLookup& lookup);

    // Every step is skipped on failure, silently; sends at most one text.
    void ShowGapsInDX();
    void FindNeighbours(const bits::Value& viewedId, Neighbours& out) const;
    // Seconds since the car passed the node: its first logged passage, else the moment
    // interpolated between its nearest passages either side (first rows, within 64
    // nodes and 5 s of each other); 0 when there is neither (or for id 0). When both
    // cars were first seen there at one moment, by their paces before it (the later
    // car is laterPlid), and 0 when that puts the later car first.
    float GapAtNode(const bits::Value& nodeKey, const bits::Value& plid, const bits::Value& time,
                    const bits::Value& laterPlid = {}) const;

private:
    // Cars on the viewed car's node stand in no order of their own: the car
    // ahead is the one that entered it before, the closest such car.
    void OrderTiedNeighbours(std::size_t row, std::size_t lastRow, Neighbours& out) const;

    const RaceState& m_state;
    DispatchHost& m_host;
    const NodeLogLookup& m_lookup;
};

}  // namespace rennlupe::insim
