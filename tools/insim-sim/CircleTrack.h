#pragma once

#include "insim10/CompCar.h"

#include <array>
#include <cstdint>

namespace rennlupe::tools {

// A flat circle of evenly spaced nodes, driven anticlockwise from above. Progress
// counts nodes from the start of lap 1, which begins on the node after the finish.
class CircleTrack {
public:
    static constexpr std::uint16_t kNumNodes = 400;
    static constexpr std::uint16_t kFinish = 150;
    static constexpr std::array<std::uint16_t, 3> kSplits = {250, 350, 50};
    static constexpr double kNodeSpacing = 2.5;  // metres between neighbouring nodes
    static constexpr double kAltitude = 12.0;    // metres

    static std::uint16_t node(double progress);
    static std::uint16_t lap(double progress);
    // Node, Lap and motion of a car at this progress going nodesPerSecond.
    static insim10::CompCar place(double progress, double nodesPerSecond);
};

}  // namespace rennlupe::tools
