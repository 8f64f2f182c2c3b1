#include "insim-sim/CircleTrack.h"

#include <cmath>
#include <numbers>

namespace rennlupe::tools {
namespace {

constexpr double kRadius =
    CircleTrack::kNumNodes * CircleTrack::kNodeSpacing / (2 * std::numbers::pi);
constexpr double kUnitsPerMetre = 65536.0;

// The share of a full turn as the game's 16-bit angle, 0..65535.
std::uint16_t angleOf(double turns) {
    const double share = turns - std::floor(turns);
    return static_cast<std::uint16_t>(std::lround(share * 65536.0) % 65536);
}

}  // namespace

std::uint16_t CircleTrack::node(double progress) {
    return static_cast<std::uint16_t>((kFinish + 1 + static_cast<long>(std::floor(progress))) %
                                      kNumNodes);
}

std::uint16_t CircleTrack::lap(double progress) {
    return static_cast<std::uint16_t>(1 + static_cast<long>(std::floor(progress)) / kNumNodes);
}

insim10::CompCar CircleTrack::place(double progress, double nodesPerSecond) {
    // Node k sits at the angle k / kNumNodes of a turn; heading 0 is world Y, and
    // on an anticlockwise circle the heading equals the angle from the X axis.
    const double turns = (kFinish + 1 + progress) / kNumNodes;
    const double angle = 2 * std::numbers::pi * turns;
    insim10::CompCar car;
    car.Node = node(progress);
    car.Lap = lap(progress);
    car.X = static_cast<std::int32_t>(std::lround(kRadius * std::cos(angle) * kUnitsPerMetre));
    car.Y = static_cast<std::int32_t>(std::lround(kRadius * std::sin(angle) * kUnitsPerMetre));
    car.Z = static_cast<std::int32_t>(std::lround(kAltitude * kUnitsPerMetre));
    car.Speed =
        static_cast<std::uint16_t>(std::lround(nodesPerSecond * kNodeSpacing / 100.0 * 32768.0));
    car.Heading = angleOf(turns);
    car.Direction = car.Heading;
    car.AngVel = static_cast<std::int16_t>(std::lround(16384.0 * nodesPerSecond / kNumNodes));
    return car;
}

}  // namespace rennlupe::tools
