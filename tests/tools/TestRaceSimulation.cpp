#include "insim-sim/RaceSimulation.h"

#include "insim/MciRecord.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace rennlupe::tools {
namespace {

// Empty slots of the last packet carry player id 0.
TEST(RaceSimulation, OneTwoOrThreePacketsPerSetByTheNumberOfCars) {
    for (const auto& [cars, packets] : std::vector<std::pair<int, std::size_t>>{
             {1, 1}, {8, 1}, {9, 2}, {16, 2}, {17, 3}, {24, 3}}) {
        RaceSimulation race(cars, 5, 10, 1);
        const auto set = race.nextSet();
        ASSERT_EQ(set.size(), packets) << cars;
        for (std::size_t p = 0; p < set.size(); ++p) {
            const auto mci = insim::MciRecord::read(set[p]);
            EXPECT_EQ(
                std::tuple(mci.FirstCar, mci.NumPlayers, mci.NumNodes(), mci.FinishNode()),
                std::tuple(8 * p, cars, RaceSimulation::kNumNodes, RaceSimulation::kFinishNode));
            for (std::size_t k = 0; k < mci.Cars.size(); ++k) {
                const int car = mci.FirstCar + static_cast<int>(k);
                EXPECT_EQ(mci.Cars[k].PlayerId, car < cars ? car + 1 : 0) << car;
            }
        }
    }
}

// A lap begins on the node after the finish node, so every car's node key
// only grows; the flag bits above the node leave the node as it is.
TEST(RaceSimulation, LapsChangeAtTheFinishNodeAndTheRaceEndsAfterItsLaps) {
    RaceSimulation race(3, 2, 10, 7);
    std::set<std::uint8_t> flags;
    std::vector<int> lastKey(3, 0);
    for (int sets = 0; !race.raceOver() && sets < 10000; ++sets) {
        const auto packet = race.nextSet().front();
        const auto mci = insim::MciRecord::read(packet);
        for (int car = 0; car < 3; ++car) {
            const auto k = static_cast<std::size_t>(car);
            flags.insert(packet[insim::MciRecord::kCarsOffset + insim::MciCar::kSize * k +
                                insim::MciCar::kNodeHighOffset] &
                         0xE0U);
            const int node = race.node(car);
            const int lap = race.lap(car);
            EXPECT_EQ((std::pair<int, int>(mci.Cars[k].Node, mci.Cars[k].Lap)),
                      std::pair(node, lap));
            if (node == RaceSimulation::kFinishNode + 1) {
                EXPECT_GE(lap, 2) << "lap 1 starts past the line";
            }
            const int key =
                node <= RaceSimulation::kFinishNode ? lap * 1000 + node : (lap - 1) * 1000 + node;
            EXPECT_GT(key, lastKey[k]);
            lastKey[k] = key;
        }
    }
    ASSERT_TRUE(race.raceOver());
    EXPECT_TRUE(race.lap(0) == 3 || race.lap(1) == 3 || race.lap(2) == 3);
    EXPECT_EQ(flags, (std::set<std::uint8_t>{0, 32, 64, 128})) << "flag bits now and then";
    race.restart();
    EXPECT_FALSE(race.raceOver());
    EXPECT_EQ(race.lap(0), 1);
}

}  // namespace
}  // namespace rennlupe::tools
