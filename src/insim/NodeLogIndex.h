#pragma once

#include "insim/NodeLogLookup.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rennlupe::insim {

// The log rows grouped by (plid, nodeKey), each group a list sorted by row,
// so the first row of a group is its head. Fixed size: rows are only
// reassigned, never added, so nothing allocates after construction.
class NodeLogIndex final : public NodeLogLookup {
public:
    explicit NodeLogIndex(std::size_t rows);

    // Row now holds this pair; plid 0 (an empty record) is not indexed.
    void assign(std::int16_t row, std::int16_t plid, std::int16_t nodeKey);
    std::int16_t firstRow(std::int16_t nodeKey, std::int16_t plid) const override;

private:
    struct Group {
        std::uint32_t pair = 0;  // 0: free slot
        std::int16_t head = 0;
        std::int16_t tail = 0;
        std::int16_t finger = 0;  // the row inserted last: where the next one usually goes
    };

    static std::uint32_t pairOf(std::int16_t plid, std::int16_t nodeKey);
    std::size_t homeOf(std::uint32_t pair) const;
    std::size_t slotOf(std::uint32_t pair) const;
    Group& groupFor(std::uint32_t pair);
    void unlink(std::int16_t row);
    void link(std::int16_t row, Group& group);
    void release(std::size_t slot);

    std::vector<std::uint32_t> m_pairOfRow;
    std::vector<std::int16_t> m_prev;  // 0: none, since row 0 is never indexed
    std::vector<std::int16_t> m_next;
    std::vector<Group> m_groups;  // open addressing, linear probing
    std::size_t m_mask;
};

}  // namespace rennlupe::insim
