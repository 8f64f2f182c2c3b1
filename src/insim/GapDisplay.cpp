#include "insim/GapDisplay.h"

#include "insim/formatGap.h"

#include "bits/checked16.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

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
// Runs over which a car's pace is measured to tell two cars on one node apart,
// longer ones only while they still tie.
constexpr std::array<double, 4> kBaselines = {0.3, 1.0, 2.0, kLongestStep};

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

double passedAt(const RaceState& state, std::int16_t row) {
    return state.nodeLog()[static_cast<std::size_t>(row)][RaceState::kNodeTime].toDouble();
}

// Nodes forward from one key to another, over lap ends as keyBeside counts them.
int nodesBetween(std::int16_t from, std::int16_t to, std::int16_t trackNodes) {
    constexpr int kPerLap = RaceState::kKeysPerLap;
    if (trackNodes <= 0 || trackNodes > kPerLap) {
        return to - from;
    }
    const auto lapOf = [](int key) { return (key < 0 ? key - (kPerLap - 1) : key) / kPerLap; };
    const int laps = lapOf(to) - lapOf(from);
    return laps * trackNodes + (to - lapOf(to) * kPerLap) - (from - lapOf(from) * kPerLap);
}

using Entries = std::array<double, kBaselines.size()>;

// When the car, seen arriving on the node at seenAt, most likely entered it, by each
// baseline: by its pace from the sighting furthest back within it (each earlier,
// further back and within 5 s), as a sighting falls on average half a node in.
Entries entriesOf(const SightingTrail& trail, std::int16_t key, double seenAt,
                  std::int16_t trackNodes) {
    Entries entries;
    entries.fill(seenAt);
    if (trail.size() < 2 || trail[0].key != key) {
        return entries;
    }
    int fromNodes = 0;
    double fromAt = seenAt;
    std::size_t open = 0;  // the first baseline not yet reached
    for (std::size_t age = 1; age < trail.size() && open < entries.size(); ++age) {
        const SightingTrail::Sighting& step = trail[age];
        const int nodes = nodesBetween(step.key, key, trackNodes);
        if (step.at >= fromAt || seenAt - step.at > kLongestStep || nodes <= fromNodes ||
            nodes > kReach) {
            break;
        }
        fromNodes = nodes;
        fromAt = step.at;
        const double entered = fromAt + (seenAt - fromAt) * (fromNodes - 0.5) / fromNodes;
        std::fill(entries.begin() + static_cast<std::ptrdiff_t>(open), entries.end(), entered);
        while (open < entries.size() && seenAt - fromAt >= kBaselines[open]) {
            ++open;
        }
    }
    return entries;
}

// How long after `earlier` the car `later` entered a node where both were first seen
// at one moment: over longer runs only while they still tie; 0 when never apart.
double splitTie(const Entries& earlier, const Entries& later) {
    for (std::size_t i = 0; i < earlier.size(); ++i) {
        if (const double gap = later[i] - earlier[i]; gap != 0.0) {
            return gap;
        }
    }
    return 0.0;
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
        out.behindPlid = standingsCell(m_state, i + 1, RaceState::kPlid);
        out.behindNodeKey = standingsCell(m_state, i + 1, RaceState::kNodeKey);
        out.ownNodeTime = standingsCell(m_state, i, RaceState::kNodeTime);
        out.behindNodeTime = standingsCell(m_state, i + 1, RaceState::kNodeTime);
        // Without the tie's order, the standings' order stands.
        skipOnError([&] { OrderTiedNeighbours(i, lastRow, out); });
        return;
    }
}

void GapDisplay::OrderTiedNeighbours(std::size_t row, std::size_t lastRow, Neighbours& out) const {
    const bits::Value& key = standingsCell(m_state, row, RaceState::kNodeKey);
    std::size_t first = row;
    while (first > 0 && standingsCell(m_state, first - 1, RaceState::kNodeKey) == key) {
        --first;
    }
    std::size_t last = row;
    while (last < lastRow && standingsCell(m_state, last + 1, RaceState::kNodeKey) == key) {
        ++last;
    }
    if (first == last) {
        return;
    }
    // The closest car either side: by the gap of entries, then by standing.
    struct Closest {
        std::size_t row = 0;
        double gap = 0.0;
        std::size_t apart = 0;
    };
    std::optional<Closest> ahead;
    std::optional<Closest> behind;
    const std::int16_t nodeKey = key.toInt16();
    const std::int16_t own = out.ownPlid.toInt16();
    const std::int16_t ownRow = m_lookup.firstRow(nodeKey, own);
    std::optional<Entries> ownEntries;
    // How long after the car the viewed car entered the node; 0 when unknown.
    const auto entryGap = [&](std::int16_t plid) {
        const std::int16_t otherRow = m_lookup.firstRow(nodeKey, plid);
        if (ownRow == 0 || otherRow == 0) {
            return 0.0;
        }
        const double seen = passedAt(m_state, ownRow);
        if (const double otherSeen = passedAt(m_state, otherRow); otherSeen != seen) {
            return seen - otherSeen;
        }
        if (m_state.trailOf(plid).sameAs(m_state.trailOf(own))) {
            return 0.0;
        }
        if (!ownEntries) {
            ownEntries = entriesOf(m_state.trailOf(own), nodeKey, seen, m_state.trackNodes);
        }
        return splitTie(entriesOf(m_state.trailOf(plid), nodeKey, seen, m_state.trackNodes),
                        *ownEntries);
    };
    for (std::size_t r = first; r <= last; ++r) {
        if (r == row) {
            continue;
        }
        const double gap = entryGap(standingsCell(m_state, r, RaceState::kPlid).toInt16());
        const bool isAhead = gap > 0.0 || (gap == 0.0 && r < row);
        const Closest car{r, std::abs(gap), r < row ? row - r : r - row};
        std::optional<Closest>& side = isAhead ? ahead : behind;
        if (!side || std::pair{car.gap, car.apart} < std::pair{side->gap, side->apart}) {
            side = car;
        }
    }
    const std::size_t aheadRow = ahead ? ahead->row : first - 1;
    const std::size_t behindRow = behind ? behind->row : last + 1;
    out.aheadPlid =
        ahead || first > 0 ? standingsCell(m_state, aheadRow, RaceState::kPlid) : kEmpty;
    out.behindPlid = standingsCell(m_state, behindRow, RaceState::kPlid);
    out.behindNodeKey = standingsCell(m_state, behindRow, RaceState::kNodeKey);
}

float GapDisplay::GapAtNode(const bits::Value& nodeKey, const bits::Value& plid,
                            const bits::Value& time, const bits::Value& laterPlid) const {
    float gap = 0.0F;
    skipOnError([&] {
        const std::int16_t key = nodeKey.toInt16();
        const std::int16_t id = plid.toInt16();
        if (const std::int16_t row = m_lookup.firstRow(key, id); row != 0) {
            const double seen = time.toDouble();
            const double earlierSeen = passedAt(m_state, row);
            if (seen != earlierSeen || laterPlid.isEmpty()) {
                gap = static_cast<float>(seen - earlierSeen);
                return;
            }
            // A car ahead that entered later stands wrongly ordered: no line.
            const double split = splitTie(
                entriesOf(m_state.trailOf(id), key, seen, m_state.trackNodes),
                entriesOf(m_state.trailOf(laterPlid.toInt16()), key, seen, m_state.trackNodes));
            gap = std::max(static_cast<float>(split), 0.0F);
            return;
        }
        const Passage before = nearestPassage(m_lookup, key, id, -1, m_state.trackNodes);
        const Passage after = nearestPassage(m_lookup, key, id, 1, m_state.trackNodes);
        if (before.row == 0 || after.row == 0) {
            return;
        }
        const double early = passedAt(m_state, before.row);
        const double step = passedAt(m_state, after.row) - early;
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
        ahead = GapAtNode(neighbours.ownNodeKey, neighbours.aheadPlid, neighbours.ownNodeTime,
                          neighbours.ownPlid);
    });
    skipOnError([&] {
        const bits::Value viewedId = bits::Value::ofText(m_host.lblMeineID().caption());
        behind = GapAtNode(neighbours.behindNodeKey, viewedId, neighbours.behindNodeTime,
                           neighbours.behindPlid);
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
