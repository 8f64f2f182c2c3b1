#include "insim/GapDisplay.h"

#include "insim/formatGap.h"

#include "bits/checked16.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace rennlupe::insim {

namespace {

// Runs one step of the display; a failing step is left out and nothing is said.
template <typename Step>
void skipOnError(Step&& step) {
    try {
        step();
    } catch (...) {  // NOLINT(bugprone-empty-catch): skipping is the rule here
    }
}

const bits::Value kEmpty;

const bits::Value& standingsCell(const RaceState& state, std::size_t row, std::int16_t column) {
    return row < RaceState::kStandingsRows
               ? state.standings()[row][static_cast<std::size_t>(column)]
               : kEmpty;
}

// Two passages bracket a node only within this many nodes of it, and this many
// seconds of each other; further apart, they come from different races.
constexpr int kReach = 64;
constexpr double kLongestStep = 5.0;

// The key one node further along the track (step 1) or back (-1); when the
// track's node count is known, a lap's keys past its last node are skipped.
std::int16_t keyBeside(std::int16_t key, int step, std::int16_t trackNodes) {
    constexpr int kPerLap = RaceState::kKeysPerLap;
    int lap = (key < 0 ? key - (kPerLap - 1) : key) / kPerLap;
    int node = key - lap * kPerLap + step;
    if (trackNodes > 0 && trackNodes <= kPerLap && (node < 0 || node >= trackNodes)) {
        lap += step;
        node = step > 0 ? 0 : trackNodes - 1;
    }
    return bits::checked16::narrow(std::int64_t{lap} * kPerLap + node);
}

struct Passage {
    std::int16_t row = 0;  // 0: none within reach
    int nodes = 0;         // how far from the key asked for
};

// The car's nearest logged passage from a key in one direction, as firstRow finds it.
Passage nearestPassage(const NodeLogLookup& lookup, std::int16_t key, std::int16_t plid, int step,
                       std::int16_t trackNodes) {
    for (int nodes = 1; plid != 0 && nodes <= kReach; ++nodes) {
        key = keyBeside(key, step, trackNodes);
        if (const std::int16_t row = lookup.firstRow(key, plid); row != 0) {
            return {row, nodes};
        }
    }
    return {};
}

}  // namespace

GapDisplay::GapDisplay(const RaceState& state, DispatchHost& host, const NodeLogLookup& lookup)
    : m_state(state), m_host(host), m_lookup(lookup) {}

void GapDisplay::FindNeighbours(const bits::Value& viewedId, Neighbours& out) const {
    const std::int16_t viewed = viewedId.toInt16();
    if (m_state.playerCount < 0) {
        return;
    }
    // Rows 0 to playerCount, both included, and never past the last row.
    const std::size_t lastRow =
        std::min(static_cast<std::size_t>(m_state.playerCount), RaceState::kStandingsRows - 1);
    const bits::Value viewedCell = bits::Value::ofInt16(viewed);
    for (std::size_t i = 0; i <= lastRow; ++i) {
        if (standingsCell(m_state, i, RaceState::kPlid) != viewedCell) {
            continue;
        }
        if (i > 0) {
            out.aheadPlid = standingsCell(m_state, i - 1, RaceState::kPlid);
        }
        out.ownPlid = standingsCell(m_state, i, RaceState::kPlid);
        out.ownNodeKey = standingsCell(m_state, i, RaceState::kNodeKey);
        out.behindNodeKey = standingsCell(m_state, i + 1, RaceState::kNodeKey);
        out.ownNodeTime = standingsCell(m_state, i, RaceState::kNodeTime);
        out.behindNodeTime = standingsCell(m_state, i + 1, RaceState::kNodeTime);
        return;
    }
}

float GapDisplay::GapAtNode(const bits::Value& nodeKey, const bits::Value& plid,
                            const bits::Value& time) const {
    float gap = 0.0F;
    skipOnError([&] {
        const std::int16_t key = nodeKey.toInt16();
        const std::int16_t id = plid.toInt16();
        const auto passedAt = [&](std::int16_t row) {
            return m_state.nodeLog()[static_cast<std::size_t>(row)][RaceState::kNodeTime]
                .toDouble();
        };
        if (const std::int16_t row = m_lookup.firstRow(key, id); row != 0) {
            gap = static_cast<float>(time.toDouble() - passedAt(row));
            return;
        }
        const Passage before = nearestPassage(m_lookup, key, id, -1, m_state.trackNodes);
        const Passage after = nearestPassage(m_lookup, key, id, 1, m_state.trackNodes);
        if (before.row == 0 || after.row == 0) {
            return;
        }
        const double early = passedAt(before.row);
        const double step = passedAt(after.row) - early;
        if (step > 0.0 && step <= kLongestStep) {
            const double share = before.nodes / static_cast<double>(before.nodes + after.nodes);
            gap = static_cast<float>(time.toDouble() - (early + share * step));
        }
    });
    return gap;
}

void GapDisplay::ShowGapsInDX() {
    Neighbours neighbours;
    float ahead = 0.0F;
    float behind = 0.0F;
    skipOnError(
        [&] { FindNeighbours(bits::Value::ofText(m_host.lblMeineID().caption()), neighbours); });
    skipOnError([&] {
        ahead = GapAtNode(neighbours.ownNodeKey, neighbours.aheadPlid, neighbours.ownNodeTime);
    });
    skipOnError([&] {
        const bits::Value viewedId = bits::Value::ofText(m_host.lblMeineID().caption());
        behind = GapAtNode(neighbours.behindNodeKey, viewedId, neighbours.behindNodeTime);
    });
    std::string aheadLine;
    std::string behindLine;
    skipOnError([&] {
        if (ahead != 0.0F) {
            aheadLine = "V - " + formatGap(ahead);
        }
        if (behind != 0.0F) {
            behindLine = "H - " + formatGap(behind);
        }
    });
    if (!aheadLine.empty() || !behindLine.empty()) {
        skipOnError([&] { m_host.TextInDX(aheadLine + "\r" + behindLine); });
    }
}

}  // namespace rennlupe::insim
