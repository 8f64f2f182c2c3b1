#pragma once

#include "insim/NodeLogLookup.h"
#include "insim/RaceState.h"

#include <cstddef>

namespace rennlupe::bench {

// The plain scan of the log, row 1 upward, that the index must agree with.
class NodeLogScan final : public insim::NodeLogLookup {
public:
    explicit NodeLogScan(const insim::RaceState& state) : m_state(state) {}

    std::int16_t firstRow(std::int16_t nodeKey, std::int16_t plid) const override {
        const bits::Value key = bits::Value::ofInt16(nodeKey);
        const bits::Value id = bits::Value::ofInt16(plid);
        const auto& log = m_state.nodeLog();
        for (std::size_t row = 1; plid != 0 && row < log.size(); ++row) {
            if (log[row][insim::RaceState::kNodeKey] == key &&
                log[row][insim::RaceState::kPlid] == id) {
                return static_cast<std::int16_t>(row);
            }
        }
        return 0;
    }

private:
    const insim::RaceState& m_state;
};

}  // namespace rennlupe::bench
