#pragma once

#include "bits/Value.h"
#include "insim/DispatchHost.h"
#include "insim/NodeLogLookup.h"
#include "insim/RaceState.h"

namespace rennlupe::insim {

// The gaps of the viewed car to the car ahead and from the car behind, each
// measured at the node where the later car now is, shown as "V - " and "H - ".
class GapDisplay {
public:
    // What FindNeighbours fills; a value it does not find stays empty.
    struct Neighbours {
        bits::Value aheadPlid;
        bits::Value ownPlid;
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
    // nodes and 5 s of each other); 0 when there is neither (or for id 0).
    float GapAtNode(const bits::Value& nodeKey, const bits::Value& plid,
                    const bits::Value& time) const;

private:
    const RaceState& m_state;
    DispatchHost& m_host;
    const NodeLogLookup& m_lookup;
};

}  // namespace rennlupe::insim
