#include "support/NodeLogScan.h"

#include <cstddef>

namespace rennlupe::support {

std::int16_t NodeLogScan::firstRow(std::int16_t nodeKey, std::int16_t plid) const {
    if (plid == 0) {
        return 0;
    }
    const bits::Value key = bits::Value::ofInt16(nodeKey);
    const bits::Value id = bits::Value::ofInt16(plid);
    const auto& log = m_state.nodeLog();
    for (std::size_t row = 1; row < log.size(); ++row) {
        if (log[row][insim::RaceState::kNodeKey] == key &&
            log[row][insim::RaceState::kPlid] == id) {
            return static_cast<std::int16_t>(row);
        }
    }
    return 0;
}

}  // namespace rennlupe::support
