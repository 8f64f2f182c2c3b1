#pragma once

#include "insim/NodeLogLookup.h"
#include "insim/RaceState.h"

namespace rennlupe::support {

// The plain scan of the log, row 1 upward, that the index must agree with.
class NodeLogScan final : public insim::NodeLogLookup {
public:
    explicit NodeLogScan(const insim::RaceState& state) : m_state(state) {}

    std::int16_t firstRow(std::int16_t nodeKey, std::int16_t plid) const override;

private:
    const insim::RaceState& m_state;
};

}  // namespace rennlupe::support
