#include "insim-sim/RaceSimulation.h"

#include <algorithm>
#include <cmath>

namespace rennlupe::tools {
namespace {

constexpr std::uint8_t kShiftLight = 1;
constexpr std::array<std::uint8_t, 3> kOtherLamps = {2, 16, 32};
constexpr std::array<std::uint8_t, 3> kNodeFlags = {32, 64, 128};

}  // namespace

RaceSimulation::RaceSimulation(int cars, int laps, int rate, std::uint32_t seed)
    : m_laps(laps), m_rate(rate), m_random(seed), m_cars(static_cast<std::size_t>(cars)) {
    std::uniform_real_distribution<double> pace(24.0, 32.0);
    for (Car& car : m_cars) {
        car.pace = pace(m_random);
    }
    restart();
}

void RaceSimulation::restart() {
    // Grid in player order, three nodes apart, player 0 in front.
    const auto count = static_cast<double>(m_cars.size());
    for (std::size_t i = 0; i < m_cars.size(); ++i) {
        m_cars[i].position = 3.0 * (count - static_cast<double>(i));
    }
    m_revs.reset();
}

std::vector<std::array<std::uint8_t, insim::MciRecord::kSize>> RaceSimulation::nextSet() {
    std::uniform_real_distribution<double> jitter(0.8, 1.2);
    std::uniform_int_distribution<int> flagChance(0, 9);
    std::uniform_int_distribution<std::size_t> whichFlag(0, kNodeFlags.size() - 1);
    for (Car& car : m_cars) {
        car.position += car.pace * jitter(m_random) / m_rate;
    }
    std::vector<std::array<std::uint8_t, insim::MciRecord::kSize>> set;
    for (std::size_t first = 0; first < m_cars.size(); first += insim::MciRecord::kCarCount) {
        insim::MciRecord record;
        record.NumNodesBytes = {kNumNodes & 0xFFU, kNumNodes >> 8U};
        record.FinishNodeBytes = {kFinishNode & 0xFFU, kFinishNode >> 8U};
        record.NumPlayers = static_cast<std::uint8_t>(m_cars.size());
        record.FirstCar = static_cast<std::uint8_t>(first);
        std::array<std::uint8_t, insim::MciRecord::kCarCount> flags{};
        for (std::size_t k = 0; k < insim::MciRecord::kCarCount; ++k) {
            const std::size_t i = first + k;
            if (i >= m_cars.size()) {
                break;
            }
            const int car = static_cast<int>(i);
            record.Cars[k].Node = node(car);
            record.Cars[k].Lap = lap(car);
            record.Cars[k].PlayerId = static_cast<std::uint8_t>(i + 1);
            if (flagChance(m_random) == 0) {
                flags[k] = kNodeFlags[whichFlag(m_random)];
            }
        }
        set.push_back(record.write(flags));
    }
    return set;
}

bool RaceSimulation::raceOver() const {
    return std::any_of(m_cars.begin(), m_cars.end(), [this](const Car& car) {
        return car.position >= static_cast<double>(m_laps) * kNumNodes;
    });
}

insim::GaugeRecord RaceSimulation::nextGauge(std::uint32_t timeMilliseconds) {
    m_revs.advance(m_rate);
    insim::GaugeRecord gauge;
    gauge.Time = timeMilliseconds;
    gauge.ShiftIndicator = m_revs.shiftLight() ? kShiftLight : std::uint8_t{0};
    std::uniform_int_distribution<int> lampChance(0, 9);
    std::uniform_int_distribution<std::size_t> whichLamp(0, kOtherLamps.size() - 1);
    if (lampChance(m_random) == 0) {
        gauge.ShiftIndicator |= kOtherLamps[whichLamp(m_random)];
    }
    return gauge;
}

std::int16_t RaceSimulation::node(int car) const {
    return static_cast<std::int16_t>((kFinishNode + 1 + nodesTravelled(car)) % kNumNodes);
}

std::uint8_t RaceSimulation::lap(int car) const {
    return static_cast<std::uint8_t>(1 + nodesTravelled(car) / kNumNodes);
}

long RaceSimulation::nodesTravelled(int car) const {
    return static_cast<long>(std::floor(m_cars[static_cast<std::size_t>(car)].position));
}

}  // namespace rennlupe::tools
