#include "insim-sim/RaceSimulation.h"

#include "insim/MciRecord.h"

#include <gtest/gtest.h>

#include <set>

namespace rennlupe::tools {
namespace {

TEST(RaceSimulation, OneTwoOrThreePacketsPerSetByTheNumberOfCars) {
    for (const auto& [cars, packets] : std::vector<std::pair<int, std::size_t>>{
             {1, 1}, {8, 1}, {9, 2}, {16, 2}, {17, 3}, {24, 3}}) {
        RaceSimulation race(cars, 5, 10, 1);
        const auto set = race.nextSet();
        ASSERT_EQ(set.size(), packets) << cars;
        for (std::size_t p = 0; p < set.size(); ++p) {
            const auto mci = insim::MciRecord::read(set[p]);
            EXPECT_EQ(mci.FirstCar, 8 * p);
            EXPECT_EQ(mci.NumPlayers, cars);
            EXPECT_EQ(mci.NumNodes(), RaceSimulation::kNumNodes);
            EXPECT_EQ(mci.FinishNode(), RaceSimulation::kFinishNode);
            for (std::size_t k = 0; k < mci.Cars.size(); ++k) {
                const int car = mci.FirstCar + static_cast<int>(k);
                EXPECT_EQ(mci.Cars[k].PlayerId, car < cars ? car + 1 : 0) << car;
                if (car < cars) {
                    EXPECT_EQ(mci.Cars[k].Node, race.node(car));
                    EXPECT_EQ(mci.Cars[k].Lap, race.lap(car));
                }
            }
        }
    }
}

TEST(RaceSimulation, LapsChangeAtTheFinishNodeAndTheRaceEndsAfterItsLaps) {
    RaceSimulation race(3, 2, 10, 7);
    std::set<std::uint8_t> flags;
    std::vector<int> lastKey(3, 0);
    int sets = 0;
    while (!race.raceOver() && sets < 10000) {
        for (const auto& packet : race.nextSet()) {
            for (std::size_t k = 0; k < 3; ++k) {
                flags.insert(packet[insim::MciRecord::kCarsOffset + insim::MciCar::kSize * k +
                                    insim::MciCar::kNodeHighOffset] &
                             0xE0U);
                // The flag bits leave the node as it is.
                EXPECT_EQ(insim::MciRecord::read(packet).Cars[k].Node,
                          race.node(static_cast<int>(k)));
            }
        }
        ++sets;
        for (int car = 0; car < 3; ++car) {
            const int node = race.node(car);
            const int lap = race.lap(car);
            if (node == RaceSimulation::kFinishNode + 1) {
                EXPECT_GE(lap, 2) << "lap 1 starts past the line";
            }
            const int key =
                node <= RaceSimulation::kFinishNode ? lap * 1000 + node : (lap - 1) * 1000 + node;
            EXPECT_GT(key, lastKey[static_cast<std::size_t>(car)]);
            lastKey[static_cast<std::size_t>(car)] = key;
        }
    }
    ASSERT_TRUE(race.raceOver());
    EXPECT_TRUE(race.lap(0) == 3 || race.lap(1) == 3 || race.lap(2) == 3);
    EXPECT_EQ(flags, (std::set<std::uint8_t>{0, 32, 64, 128})) << "flag bits now and then";
    race.restart();
    EXPECT_FALSE(race.raceOver());
    EXPECT_EQ(race.lap(0), 1);
}

TEST(RaceSimulation, ShiftLightFollowsTheRevsWithOtherLampsMixedIn) {
    RaceSimulation race(1, 5, 10, 3);
    int changes = 0;
    std::uint8_t previous = 0;
    std::set<std::uint8_t> values;
    for (std::uint32_t tick = 0; tick < 200; ++tick) {
        const std::uint8_t lamps = race.nextGauge(tick * 100).ShiftIndicator;
        values.insert(lamps);
        changes += (lamps & 1U) != (previous & 1U) ? 1 : 0;
        previous = lamps;
    }
    EXPECT_GE(changes, 10);
    EXPECT_TRUE(values.contains(1)) << "the shift light alone";
    EXPECT_TRUE(values.contains(0));
    EXPECT_TRUE(std::any_of(values.begin(), values.end(), [](auto v) { return (v & ~1U) != 0; }));
}

}  // namespace
}  // namespace rennlupe::tools
