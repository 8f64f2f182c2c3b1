#include "insim-sim/CircleTrack.h"
#include "insim-sim/ModernRaceSimulation.h"
#include "insim-sim/ProgressTrail.h"
#include "insim10/CompCarInfo.h"
#include "insim10/IsMci.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace rennlupe::tools {
namespace {

// Moments between samples are interpolated; standing still counts from its first moment.
TEST(ProgressTrail, FindsTheMomentAProgressWasReached) {
    ProgressTrail trail(100.0);
    for (const auto& [time, progress] :
         std::vector<std::pair<double, double>>{{0, 10}, {1, 20}, {2, 30}, {3, 30}, {4, 40}}) {
        trail.record(time, progress);
    }
    for (const auto& [progress, moment] :
         std::vector<std::pair<double, std::optional<double>>>{{9.0, std::nullopt},
                                                               {10.0, 0.0},
                                                               {15.0, 0.5},
                                                               {20.0, 1.0},
                                                               {30.0, 2.0},
                                                               {35.0, 3.5},
                                                               {40.0, 4.0},
                                                               {40.5, std::nullopt}}) {
        EXPECT_EQ(trail.momentAt(progress), moment) << progress;
    }
}

TEST(ProgressTrail, KeepsTwoAndAHalfLaps) {
    ProgressTrail trail(4.0);
    for (int t = 0; t <= 100; ++t) {
        trail.record(t, t);
    }
    EXPECT_EQ(trail.momentAt(90.0), 90.0);
    EXPECT_EQ(trail.momentAt(80.0), std::nullopt);
}

// Two cars three nodes apart on the grid at t = 100, two steps of 0.1 s: the leader's
// gap to the car behind is worked out here by hand from its samples.
TEST(ModernRaceSimulation, TruthMatchesAHandCheck) {
    ModernRaceSimulation race(2, 5, 10, 3);
    race.restart(100.0);
    EXPECT_EQ(race.truth(100.0), "at=100.000000 view=1 V=- H=-");
    race.step(100.1);
    const double a1 = race.progress(1);
    race.step(100.2);
    const double a2 = race.progress(1);
    const double b2 = race.progress(2);
    ASSERT_GT(a2, b2);
    ASSERT_GT(b2, 6.0);
    const double reached =
        b2 <= a1 ? 100.0 + 0.1 * (b2 - 6.0) / (a1 - 6.0) : 100.1 + 0.1 * (b2 - a1) / (a2 - a1);
    std::array<char, 96> expected{};
    std::snprintf(expected.data(), expected.size(), "at=100.200000 view=1 V=- H=%.4f",
                  100.2 - reached);
    EXPECT_EQ(race.truth(100.2), expected.data());
    // Seen from the car behind, the same moment gives the same gap.
    ASSERT_EQ(race.moveView(), 2);
    std::snprintf(expected.data(), expected.size(), "at=100.200000 view=2 V=%.4f H=-",
                  100.2 - reached);
    EXPECT_EQ(race.truth(100.2), expected.data());
}

// 48 cars in three packets, each car where its node says on a circle of even nodes.
TEST(ModernRaceSimulation, PositionsLieOnTheCircleAtTheirNodes) {
    ModernRaceSimulation race(48, 5, 10, 1);
    race.restart(0.0);
    for (int i = 1; i <= 30; ++i) {
        race.step(i * 0.1);
    }
    const auto set = race.positionSet();
    ASSERT_EQ(set.size(), 3U);
    const double radius =
        CircleTrack::kNumNodes * CircleTrack::kNodeSpacing / (2 * std::numbers::pi);
    std::set<int> plids;
    std::set<int> positions;
    std::vector<std::uint8_t> info;
    for (const auto& packet : set) {
        const auto mci = insim10::IsMci::read(packet);
        ASSERT_TRUE(mci);
        EXPECT_EQ(mci->NumC, 16);
        for (const auto& car : mci->cars()) {
            plids.insert(car.PLID);
            positions.insert(car.Position);
            info.push_back(car.Info);
            const double x = car.X / 65536.0;
            const double y = car.Y / 65536.0;
            EXPECT_NEAR(std::hypot(x, y), radius, 1e-3);
            EXPECT_EQ(car.Z, std::lround(CircleTrack::kAltitude * 65536));
            const double turns = std::atan2(y, x) / (2 * std::numbers::pi);
            const double node = (turns - std::floor(turns)) * CircleTrack::kNumNodes;
            EXPECT_EQ(static_cast<int>(std::floor(node + 1e-6)) % CircleTrack::kNumNodes, car.Node);
            EXPECT_NEAR(car.Heading, std::fmod(node / CircleTrack::kNumNodes * 65536, 65536), 1.0);
            EXPECT_EQ(car.Direction, car.Heading);
            // Speed is the turn rate times the radius.
            const double turnRate = car.AngVel / 16384.0 * 2 * std::numbers::pi;
            EXPECT_NEAR(car.Speed * 100.0 / 32768, turnRate * radius, 0.05);
        }
    }
    EXPECT_EQ(plids.size(), 48U);
    EXPECT_EQ(std::pair(*positions.begin(), *positions.rbegin()), std::pair(1, 48));
    EXPECT_EQ(positions.size(), 48U);
    EXPECT_EQ(info.front(), insim10::kCciFirst);
    EXPECT_EQ(info.back(), insim10::kCciLast);
    EXPECT_EQ(std::ranges::count(info, 0), 46);
}

// A pitted car keeps its place and comes back there; leavers are never the viewed or
// the last car.
TEST(ModernRaceSimulation, PitsAndLeaves) {
    ModernRaceSimulation race(6, 5, 10, 4);
    race.restart(0.0);
    race.step(0.5);
    const auto pitted = race.pit(0.5, 3.0);
    ASSERT_TRUE(pitted);
    const double where = race.progress(*pitted);
    race.step(1.0);
    EXPECT_EQ(std::ranges::count(race.raceOrder(), *pitted), 0);
    EXPECT_TRUE(race.rejoinsDue(3.4).empty());
    EXPECT_EQ(race.rejoinsDue(3.5), std::vector{*pitted});
    EXPECT_EQ(race.progress(*pitted), where);

    while (const auto left = race.leave()) {
        EXPECT_NE(*left, race.viewed());
        EXPECT_EQ(std::ranges::count(race.raceOrder(), *left), 0);
    }
    const auto last = race.raceOrder();
    EXPECT_TRUE(last.size() == 1 || (last.size() == 2 && last.front() == race.viewed()));
}

}  // namespace
}  // namespace rennlupe::tools
