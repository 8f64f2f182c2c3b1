#include "insim/RaceState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace rennlupe::insim {
namespace {

using bits::Value;

TEST(SortStandings, OrdersByNodeKeyAndMovesOnlyPlidWithIt) {
    RaceState state;
    auto& rows = state.standings();
    const std::vector<Value> keys = {Value::ofInt16(5), Value::ofInt16(2005), Value(),
                                     Value::ofInt16(1310)};
    for (std::size_t r = 0; r < keys.size(); ++r) {
        rows[r][RaceState::kPlid] = Value::ofInt16(static_cast<std::int16_t>(r + 1));
        rows[r][RaceState::kNodeKey] = keys[r];
        rows[r][RaceState::kNodeTime] = Value::ofSingle(static_cast<float>(r));
        rows[r][RaceState::kLap] = Value::ofInt16(static_cast<std::int16_t>(10 + r));
    }
    state.SortStandings(0, 23, RaceState::kNodeKey);
    EXPECT_EQ(rows[0][RaceState::kNodeKey], Value::ofInt16(2005));
    EXPECT_EQ(rows[0][RaceState::kPlid], Value::ofInt16(2));
    EXPECT_EQ(rows[1][RaceState::kNodeKey], Value::ofInt16(1310));
    EXPECT_EQ(rows[1][RaceState::kPlid], Value::ofInt16(4));
    EXPECT_EQ(rows[2][RaceState::kNodeKey], Value::ofInt16(5));
    EXPECT_EQ(rows[2][RaceState::kPlid], Value::ofInt16(1));
    for (std::size_t r = 3; r < 24; ++r) {
        EXPECT_EQ(rows[r][RaceState::kNodeKey], Value()) << r;
    }
    for (std::size_t r = 0; r < keys.size(); ++r) {
        EXPECT_EQ(rows[r][RaceState::kNodeTime], Value::ofSingle(static_cast<float>(r)));
        EXPECT_EQ(rows[r][RaceState::kLap], Value::ofInt16(static_cast<std::int16_t>(10 + r)));
    }
}

TEST(SortStandings, AnyFieldEndsDescendingWithItsPairsIntact) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> keyOf(-1200, 3000);
    for (int round = 0; round < 300; ++round) {
        RaceState state;
        std::vector<std::pair<int, int>> pairs;
        const int cars = round % 25;
        for (int r = 0; r < cars; ++r) {
            // Few distinct keys, so ties are common.
            const int key = round % 3 == 0 ? keyOf(random) % 4 : keyOf(random);
            state.standings()[static_cast<std::size_t>(r)][RaceState::kNodeKey] =
                Value::ofInt16(static_cast<std::int16_t>(key));
            state.standings()[static_cast<std::size_t>(r)][RaceState::kPlid] =
                Value::ofInt16(static_cast<std::int16_t>(r + 1));
            pairs.emplace_back(key, r + 1);
        }
        state.SortStandings(0, 23, RaceState::kNodeKey);
        std::vector<std::pair<int, int>> after;
        for (std::size_t r = 0; r < 24; ++r) {
            const auto& row = state.standings()[r];
            if (r > 0) {
                ASSERT_FALSE(state.standings()[r - 1][RaceState::kNodeKey] <
                             row[RaceState::kNodeKey]);
            }
            if (!row[RaceState::kPlid].isEmpty()) {
                after.emplace_back(static_cast<int>(row[RaceState::kNodeKey].toDouble()),
                                   static_cast<int>(row[RaceState::kPlid].toDouble()));
            }
        }
        std::sort(pairs.begin(), pairs.end());
        std::sort(after.begin(), after.end());
        ASSERT_EQ(pairs, after) << "round " << round;
    }
}

}  // namespace
}  // namespace rennlupe::insim
