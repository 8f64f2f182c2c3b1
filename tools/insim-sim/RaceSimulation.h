#pragma once

#include "insim-sim/RevsCycle.h"
#include "insim/GaugeRecord.h"
#include "insim/MciRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace rennlupe::tools {

// Cars going round a closed path of nodes, each at its own pace. A lap
// begins on the node after the finish node, so the node key of every car
// only ever grows.
class RaceSimulation {
public:
    static constexpr std::uint16_t kNumNodes = 400;
    static constexpr std::uint16_t kFinishNode = 150;

    RaceSimulation(int cars, int laps, int rate, std::uint32_t seed);

    int cars() const { return static_cast<int>(m_cars.size()); }
    int laps() const { return m_laps; }
    // Cars back on the grid, lap 1.
    void restart();
    // Moves every car on by one step and returns the complete set of
    // position packets, one per group of eight cars.
    std::vector<std::array<std::uint8_t, insim::MciRecord::kSize>> nextSet();
    // True once the leading car has begun the lap after the last.
    bool raceOver() const;
    // The viewed car's lamps: the shift light while its revs are high, now
    // and then mixed with other lamps.
    insim::GaugeRecord nextGauge(std::uint32_t timeMilliseconds);

    std::int16_t node(int car) const;
    std::uint8_t lap(int car) const;
    // Nodes from the start of lap 1, unrounded: between two steps a car moves
    // at an even speed, so this gives its exact path.
    double position(int car) const { return m_cars.at(static_cast<std::size_t>(car)).position; }

private:
    struct Car {
        double pace = 0.0;      // nodes per second
        double position = 0.0;  // nodes from the start of lap 1
    };

    long nodesTravelled(int car) const;

    int m_laps;
    int m_rate;
    std::mt19937 m_random;
    std::vector<Car> m_cars;
    RevsCycle m_revs;
};

}  // namespace rennlupe::tools
