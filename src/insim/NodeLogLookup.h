#pragma once

#include <cstdint>

namespace rennlupe::insim {

// Where a car passed a node key: the first log row in ascending order (row 0
// is never examined) whose plid and nodeKey match, or 0 when none does.
class NodeLogLookup {
public:
    virtual ~NodeLogLookup() = default;
    virtual std::int16_t firstRow(std::int16_t nodeKey, std::int16_t plid) const = 0;

protected:
    NodeLogLookup() = default;
    NodeLogLookup(const NodeLogLookup&) = default;
    NodeLogLookup& operator=(const NodeLogLookup&) = default;
};

}  // namespace rennlupe::insim
