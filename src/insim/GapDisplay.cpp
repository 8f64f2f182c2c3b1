#include "insim/GapDisplay.h"

#include "insim/formatGap.h"

#include <algorithm>
#include <cstddef>
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
        const std::int16_t row = m_lookup.firstRow(nodeKey.toInt16(), plid.toInt16());
        if (row != 0) {
            const bits::Value& passed =
                m_state.nodeLog()[static_cast<std::size_t>(row)][RaceState::kNodeTime];
            gap = static_cast<float>(time.toDouble()) - static_cast<float>(passed.toDouble());
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
