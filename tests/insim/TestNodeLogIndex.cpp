#include "insim/NodeLogIndex.h"

#include "bits/IndexOutOfRange.h"
#include "insim/DispatchFixture.h"
#include "support/makePackets.h"
#include "support/NodeLogScan.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>
#include <vector>

namespace rennlupe::insim {
namespace {

TEST(NodeLogIndex, AgreesWithABruteForceScanUnderAnyAssignmentOrder) {
    constexpr std::size_t kRows = 300;
    NodeLogIndex index(kRows);
    std::vector<std::pair<std::int16_t, std::int16_t>> truth(kRows, {0, 0});
    std::mt19937 random(11);
    std::uniform_int_distribution<int> rowOf(1, static_cast<int>(kRows) - 1);
    std::uniform_int_distribution<int> small(0, 5);
    auto firstInTruth = [&](std::int16_t key, std::int16_t plid) -> std::int16_t {
        for (std::size_t r = 1; r < kRows; ++r) {
            if (plid != 0 && truth[r] == std::make_pair(plid, key)) {
                return static_cast<std::int16_t>(r);
            }
        }
        return 0;
    };
    int cursor = 1;
    for (int step = 0; step < 60000; ++step) {
        // Mostly ascending writes, as the ring makes them, with jumps back.
        cursor = cursor % static_cast<int>(kRows - 1) + 1;
        const int row = step % 7 == 0 ? rowOf(random) : cursor;
        const auto plid = static_cast<std::int16_t>(small(random));  // 0 unindexes the row
        const auto key = static_cast<std::int16_t>(small(random) - 2);
        index.assign(static_cast<std::int16_t>(row), plid, key);
        truth[static_cast<std::size_t>(row)] = {plid, key};
        const auto qPlid = static_cast<std::int16_t>(small(random));
        const auto qKey = static_cast<std::int16_t>(small(random) - 2);
        ASSERT_EQ(index.firstRow(qKey, qPlid), firstInTruth(qKey, qPlid)) << "step " << step;
    }
    EXPECT_THROW(index.assign(0, 1, 1), bits::IndexOutOfRange);
    EXPECT_THROW(index.assign(static_cast<std::int16_t>(kRows), 1, 1), bits::IndexOutOfRange);
}

// A long race fed through the dispatcher: restarts, fields that shrink and
// grow (stale rows), laps that repeat keys, parked cars, and ring wraps.
TEST(NodeLogIndex, AgreesWithThePlainScanOverLongRandomRaces) {
    DispatchFixture race;
    race.host.Check1().setValue(controls::CheckBox::kUnchecked);
    const support::NodeLogScan scan(race.state);
    std::mt19937 random(5);
    std::vector<int> node(24, 0);
    std::vector<int> lap(24, 1);
    std::size_t cars = 24;
    long checks = 0;
    for (int set = 0; set < 4000; ++set) {
        if (set % 700 == 0) {
            cars = 4 + random() % 21;
            race.dispatch(support::staPacket({.numPlayers = static_cast<std::uint8_t>(cars)}));
            std::fill(lap.begin(), lap.end(), 1);
        }
        for (std::size_t group = 0; group * 8 < cars; ++group) {
            std::vector<support::CarFields> records;
            for (std::size_t k = 0; k < 8 && group * 8 + k < cars; ++k) {
                const std::size_t car = group * 8 + k;
                if (car % 5 != 4) {  // every fifth car stays parked
                    node[car] += static_cast<int>(random() % 3);
                }
                if (node[car] >= 600) {
                    node[car] -= 600;
                    lap[car] = lap[car] % 3 + 1;
                }
                records.push_back({.plid = static_cast<std::uint8_t>(car + 1),
                                   .node = static_cast<std::uint16_t>(node[car]),
                                   .lap = static_cast<std::uint8_t>(lap[car])});
            }
            race.dispatch(support::mciPacket(static_cast<std::uint8_t>(cars),
                                             static_cast<std::uint8_t>(group * 8), 300, records));
            race.clock.advance(0.01);
        }
        if (set % 50 == 0) {
            // Every pair in the log, from one pass of the plain rule.
            std::map<std::pair<std::int16_t, std::int16_t>, std::int16_t> first;
            const auto& log = race.state.nodeLog();
            for (std::size_t r = log.size() - 1; r >= 1; --r) {
                if (!log[r][RaceState::kPlid].isEmpty()) {
                    first[{log[r][RaceState::kPlid].toInt16(),
                           log[r][RaceState::kNodeKey].toInt16()}] = static_cast<std::int16_t>(r);
                }
            }
            for (const auto& [pair, row] : first) {
                ASSERT_EQ(race.state.index().firstRow(pair.second, pair.first), row);
            }
        }
        const auto plid = static_cast<std::int16_t>(random() % 26);
        const auto key = static_cast<std::int16_t>(1000 + random() % 600);
        ASSERT_EQ(race.state.index().firstRow(key, plid), scan.firstRow(key, plid));
        ++checks;
    }
    EXPECT_EQ(checks, 4000);
}

}  // namespace
}  // namespace rennlupe::insim
