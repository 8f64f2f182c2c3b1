#include "insim/RaceState.h"

#include "bits/IndexOutOfRange.h"

#include <utility>

namespace rennlupe::insim {

RaceState::RaceState() : m_nodeLog(kLogRows), m_index(kLogRows) {}

void RaceState::writeLogRow(std::int16_t row, std::int16_t plid, std::int16_t nodeKey,
                            double nodeTime, std::int16_t lap) {
    if (row < 0 || static_cast<std::size_t>(row) >= kLogRows) {
        throw bits::IndexOutOfRange();
    }
    Row& target = m_nodeLog[static_cast<std::size_t>(row)];
    target[kPlid] = bits::Value::ofInt16(plid);
    target[kNodeKey] = bits::Value::ofInt16(nodeKey);
    target[kNodeTime] = bits::Value::ofDouble(nodeTime);
    target[kLap] = bits::Value::ofInt16(lap);
    m_index.assign(row, plid, nodeKey);
    if (plid > 0 && static_cast<std::size_t>(plid) < m_trails.size()) {
        m_trails[static_cast<std::size_t>(plid)].see(nodeKey, nodeTime);
    }
}

const SightingTrail& RaceState::trailOf(std::int16_t plid) const noexcept {
    const auto id = static_cast<std::size_t>(plid);
    return plid > 0 && id < m_trails.size() ? m_trails[id] : m_trails[0];
}

bits::Value& RaceState::cell(std::int32_t row, std::int16_t column) {
    if (row < 0 || static_cast<std::size_t>(row) >= kStandingsRows || column < 0 ||
        static_cast<std::size_t>(column) >= kColumns) {
        throw bits::IndexOutOfRange();
    }
    return m_standings[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void RaceState::SortStandings(std::int32_t first, std::int32_t last, std::int16_t column) {
    const std::int16_t other = column == kPlid ? kNodeKey : kPlid;
    std::int32_t i = first;
    std::int32_t j = last;
    // (first + last) / 2 with a half going to the even neighbour.
    const std::int32_t sum = first + last;
    std::int32_t middle = sum / 2;
    if (sum % 2 != 0 && middle % 2 != 0) {
        middle += 1;
    }
    const bits::Value pivot = cell(middle, column);
    do {
        while (cell(i, column) > pivot) {
            ++i;
        }
        while (cell(j, column) < pivot) {
            --j;
        }
        if (i > j) {
            break;
        }
        std::swap(cell(i, column), cell(j, column));
        std::swap(cell(i, other), cell(j, other));
        ++i;
        --j;
    } while (i <= j);
    if (first < j) {
        SortStandings(first, j, column);
    }
    if (i < last) {
        SortStandings(i, last, column);
    }
}

}  // namespace rennlupe::insim
