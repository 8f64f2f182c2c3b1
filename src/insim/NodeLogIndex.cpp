#include "insim/NodeLogIndex.h"

#include "bits/IndexOutOfRange.h"

#include <bit>

namespace rennlupe::insim {

namespace {

std::size_t at(std::int16_t row) {
    return static_cast<std::size_t>(row);
}

}  // namespace

NodeLogIndex::NodeLogIndex(std::size_t rows)
    : m_pairOfRow(rows, 0),
      m_prev(rows, 0),
      m_next(rows, 0),
      // At most one group per row; keep the table at most two thirds full.
      m_groups(std::bit_ceil(rows + rows / 2 + 1)),
      m_mask(m_groups.size() - 1) {}

std::uint32_t NodeLogIndex::pairOf(std::int16_t plid, std::int16_t nodeKey) {
    return static_cast<std::uint32_t>(static_cast<std::uint16_t>(plid)) << 16U |
           static_cast<std::uint16_t>(nodeKey);
}

std::size_t NodeLogIndex::homeOf(std::uint32_t pair) const {
    const std::size_t home = (pair * 0x9E3779B97F4A7C15ULL) >> 40U;
    return home & m_mask;
}

std::size_t NodeLogIndex::slotOf(std::uint32_t pair) const {
    std::size_t slot = homeOf(pair);
    while (m_groups[slot].pair != 0 && m_groups[slot].pair != pair) {
        slot = (slot + 1) & m_mask;
    }
    return slot;
}

NodeLogIndex::Group& NodeLogIndex::groupFor(std::uint32_t pair) {
    Group& group = m_groups[slotOf(pair)];
    group.pair = pair;
    return group;
}

void NodeLogIndex::assign(std::int16_t row, std::int16_t plid, std::int16_t nodeKey) {
    if (row <= 0 || at(row) >= m_pairOfRow.size()) {
        throw bits::IndexOutOfRange();
    }
    const std::uint32_t pair = plid == 0 ? 0 : pairOf(plid, nodeKey);
    if (m_pairOfRow[at(row)] == pair) {
        return;
    }
    if (m_pairOfRow[at(row)] != 0) {
        unlink(row);
    }
    m_pairOfRow[at(row)] = pair;
    if (pair != 0) {
        link(row, groupFor(pair));
    }
}

std::int16_t NodeLogIndex::firstRow(std::int16_t nodeKey, std::int16_t plid) const {
    if (plid == 0) {
        return 0;
    }
    const Group& group = m_groups[slotOf(pairOf(plid, nodeKey))];
    return group.pair != 0 ? group.head : std::int16_t{0};
}

void NodeLogIndex::link(std::int16_t row, Group& group) {
    if (group.head == 0) {
        group.head = group.tail = row;
    } else if (row > group.tail) {
        m_prev[at(row)] = group.tail;
        m_next[at(group.tail)] = row;
        group.tail = row;
    } else if (row < group.head) {
        m_next[at(row)] = group.head;
        m_prev[at(group.head)] = row;
        group.head = row;
    } else {
        // Rows are mostly written in ascending order, so the walk from the
        // last insertion is usually no step at all.
        std::int16_t before = group.finger != 0 && group.finger < row ? group.finger : group.head;
        while (m_next[at(before)] != 0 && m_next[at(before)] < row) {
            before = m_next[at(before)];
        }
        const std::int16_t after = m_next[at(before)];
        m_prev[at(row)] = before;
        m_next[at(row)] = after;
        m_next[at(before)] = row;
        m_prev[at(after)] = row;
    }
    group.finger = row;
}

void NodeLogIndex::unlink(std::int16_t row) {
    const std::size_t slot = slotOf(m_pairOfRow[at(row)]);
    Group& group = m_groups[slot];
    const std::int16_t before = m_prev[at(row)];
    const std::int16_t after = m_next[at(row)];
    (before != 0 ? m_next[at(before)] : group.head) = after;
    (after != 0 ? m_prev[at(after)] : group.tail) = before;
    if (group.finger == row) {
        group.finger = before;
    }
    m_prev[at(row)] = 0;
    m_next[at(row)] = 0;
    if (group.head == 0) {
        release(slot);
    }
}

void NodeLogIndex::release(std::size_t slot) {
    // Backward-shift deletion keeps every probe chain unbroken without tombstones.
    m_groups[slot] = Group{};
    std::size_t hole = slot;
    for (std::size_t next = (hole + 1) & m_mask; m_groups[next].pair != 0;
         next = (next + 1) & m_mask) {
        const std::size_t home = homeOf(m_groups[next].pair);
        const bool stays =
            hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
        if (!stays) {
            m_groups[hole] = m_groups[next];
            m_groups[next] = Group{};
            hole = next;
        }
    }
}

}  // namespace rennlupe::insim
