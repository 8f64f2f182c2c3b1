#include "insim/RaceState.h"

#include "bits/IndexOutOfRange.h"
#include "insim/NodeLogIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace rennlupe::insim {
namespace {

using bits::Value;

// Highest node key first, empty keys counting as 0; each plid moves with its
// key while node time and lap stay in their rows. Few distinct keys make ties.
TEST(SortStandings, AnyFieldEndsDescendingWithItsPairsIntact) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> keyOf(-1200, 3000);
    for (int round = 0; round < 300; ++round) {
        RaceState state;
        auto& rows = state.standings();
        std::vector<std::pair<int, int>> pairs;
        for (int r = 0; r < round % 25; ++r) {
            const int key = round % 3 == 0 ? keyOf(random) % 4 : keyOf(random);
            auto& row = rows[static_cast<std::size_t>(r)];
            if (key % 5 != 0) {
                row[RaceState::kNodeKey] = Value::ofInt16(static_cast<std::int16_t>(key));
            }
            row[RaceState::kPlid] = Value::ofInt16(static_cast<std::int16_t>(r + 1));
            row[RaceState::kNodeTime] = Value::ofSingle(static_cast<float>(r));
            row[RaceState::kLap] = Value::ofInt16(static_cast<std::int16_t>(r));
            pairs.emplace_back(key % 5 != 0 ? key : 0, r + 1);
        }
        state.SortStandings(0, 23, RaceState::kNodeKey);
        std::vector<std::pair<int, int>> after;
        for (std::size_t r = 0; r < 24; ++r) {
            const auto& row = rows[r];
            if (r > 0) {
                ASSERT_FALSE(rows[r - 1][RaceState::kNodeKey] < row[RaceState::kNodeKey]);
            }
            if (!row[RaceState::kPlid].isEmpty()) {
                after.emplace_back(static_cast<int>(row[RaceState::kNodeKey].toDouble()),
                                   static_cast<int>(row[RaceState::kPlid].toDouble()));
            }
            if (r < pairs.size()) {
                ASSERT_EQ(row[RaceState::kNodeTime], Value::ofSingle(static_cast<float>(r)));
                ASSERT_EQ(row[RaceState::kLap], Value::ofInt16(static_cast<std::int16_t>(r)));
            }
        }
        std::sort(pairs.begin(), pairs.end());
        std::sort(after.begin(), after.end());
        ASSERT_EQ(pairs, after) << "round " << round;
    }
}

// Few pairs make long row lists; many pairs fill the hash table past half, so
// probe chains wrap and deletions shift groups back. Writes mostly ascend, as
// the ring makes them, with jumps back; plid 0 unindexes a row.
TEST(NodeLogIndex, AgreesWithABruteForceScanUnderAnyAssignmentOrder) {
    constexpr int kRows = 300;
    for (const auto& [plids, keys] : {std::pair{5, 3}, std::pair{60, 40}}) {
        NodeLogIndex index(kRows);
        std::vector<std::pair<std::int16_t, std::int16_t>> truth(kRows);
        std::mt19937 random(11);
        auto draw = [&](int from, int to) {  // from..to, both included
            return static_cast<std::int16_t>(std::uniform_int_distribution<int>(from, to)(random));
        };
        int cursor = 1;
        for (int step = 0; step < 60000; ++step) {
            cursor = cursor % (kRows - 1) + 1;
            const auto row = step % 7 == 0 ? draw(1, kRows - 1) : static_cast<std::int16_t>(cursor);
            auto& written = truth[static_cast<std::size_t>(row)];
            written = {draw(0, plids), draw(-keys, keys)};
            index.assign(row, written.first, written.second);
            // Half the questions ask for a pair that is in the log.
            const auto [plid, key] = step % 2 == 0
                                         ? truth[static_cast<std::size_t>(draw(1, kRows - 1))]
                                         : std::pair{draw(0, plids), draw(-keys, keys)};
            std::int16_t first = 0;
            for (std::size_t r = 1; r < truth.size() && first == 0 && plid != 0; ++r) {
                if (truth[r] == std::pair{plid, key}) {
                    first = static_cast<std::int16_t>(r);
                }
            }
            ASSERT_EQ(index.firstRow(key, plid), first) << "step " << step;
        }
    }
    NodeLogIndex index(kRows);
    EXPECT_THROW(index.assign(0, 1, 1), bits::IndexOutOfRange);
    EXPECT_THROW(index.assign(kRows, 1, 1), bits::IndexOutOfRange);
}

}  // namespace
}  // namespace rennlupe::insim
