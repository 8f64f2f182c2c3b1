#include "insim-sim/ModernRaceSimulation.h"

#include "insim-sim/CircleTrack.h"
#include "insim-sim/driverOf.h"
#include "insim10/CompCarInfo.h"
#include "insim10/IsMci.h"

#include <algorithm>
#include <cstdio>

namespace rennlupe::tools {
namespace {

constexpr double kLongestStep = 0.5;  // seconds; a stalled loop does not teleport cars
constexpr std::uint16_t kOgKm = 0x4000;
constexpr std::uint16_t kOgShiftKey = 0x1;
constexpr std::uint32_t kDashLights =
    0x1U | 0x2U | 0x400U | 0x20000U;  // SHIFT FULLBEAM ABS NEUTRAL
constexpr std::uint32_t kAbsLight = 0x400U;
constexpr std::array<std::uint8_t, 6> kTrack = {'B', 'L', '1', 0, 0, 0};

std::string seconds(std::optional<double> value) {
    if (!value) {
        return "-";
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.4f", *value);
    return text.data();
}

template <std::size_t N>
std::array<std::uint8_t, N> field(std::string_view text) {
    std::array<std::uint8_t, N> out{};
    std::copy_n(text.begin(), std::min(N - 1, text.size()), out.begin());
    return out;
}

}  // namespace

ModernRaceSimulation::ModernRaceSimulation(int cars, int laps, int rate, std::uint32_t seed)
    : m_laps(laps), m_rate(rate), m_random(seed) {
    std::uniform_real_distribution<double> pace(24.0, 32.0);
    for (int i = 0; i < cars; ++i) {
        m_cars.push_back({.plid = static_cast<std::uint8_t>(i + 1),
                          .pace = pace(m_random),
                          .trail = ProgressTrail(CircleTrack::kNumNodes)});
    }
    restart(0.0);
}

void ModernRaceSimulation::restart(double now) {
    double grid = 0.0;
    for (auto car = m_cars.rbegin(); car != m_cars.rend(); ++car) {
        if (car->where != Where::Gone) {
            grid += 3.0;
            car->progress = grid;
            car->speed = 0.0;
            car->trail.clear();
            car->trail.record(now, grid);
        }
    }
    m_lastStep = now;
    m_revs.reset();
}

void ModernRaceSimulation::step(double now) {
    const double elapsed = std::clamp(now - m_lastStep, 0.0, kLongestStep);
    m_lastStep = now;
    std::uniform_real_distribution<double> jitter(0.8, 1.2);
    for (Car& car : m_cars) {
        if (car.where == Where::Track) {
            car.speed = car.pace * jitter(m_random);
            car.progress += car.speed * elapsed;
            car.trail.record(now, car.progress);
        }
    }
}

bool ModernRaceSimulation::raceOver() const {
    return std::ranges::any_of(m_cars, [this](const Car& car) {
        return car.where != Where::Gone && car.progress >= double(m_laps) * CircleTrack::kNumNodes;
    });
}

std::vector<std::uint8_t> ModernRaceSimulation::onTrack() const {
    std::vector<std::uint8_t> plids;
    for (const Car& car : m_cars) {
        if (car.where == Where::Track) {
            plids.push_back(car.plid);
        }
    }
    return plids;
}

std::vector<std::uint8_t> ModernRaceSimulation::raceOrder() const {
    std::vector<std::uint8_t> order = onTrack();
    std::ranges::stable_sort(order, [this](std::uint8_t a, std::uint8_t b) {
        return find(a)->progress > find(b)->progress;
    });
    return order;
}

std::vector<std::vector<std::uint8_t>> ModernRaceSimulation::positionSet() const {
    const std::vector<std::uint8_t> order = raceOrder();
    const std::vector<std::uint8_t> cars = onTrack();
    std::vector<std::vector<std::uint8_t>> set;
    for (std::size_t first = 0; first < cars.size(); first += insim10::IsMci::kMaxCars) {
        insim10::IsMci mci;
        mci.NumC =
            static_cast<std::uint8_t>(std::min(insim10::IsMci::kMaxCars, cars.size() - first));
        for (std::size_t k = 0; k < mci.NumC; ++k) {
            const Car& car = *find(cars[first + k]);
            insim10::CompCar& out = mci.Info[k];
            out = CircleTrack::place(car.progress, car.speed);
            out.PLID = car.plid;
            out.Position =
                static_cast<std::uint8_t>(std::ranges::find(order, car.plid) - order.begin() + 1);
            out.Info =
                static_cast<std::uint8_t>((first + k == 0 ? insim10::kCciFirst : 0) |
                                          (first + k + 1 == cars.size() ? insim10::kCciLast : 0));
        }
        set.push_back(mci.bytes());
    }
    return set;
}

std::string ModernRaceSimulation::truth(double now) const {
    const std::vector<std::uint8_t> order = raceOrder();
    const auto at = std::ranges::find(order, m_viewed);
    std::optional<double> ahead;
    std::optional<double> behind;
    if (at != order.end()) {
        const Car& viewed = *find(m_viewed);
        if (at != order.begin()) {
            const auto moment = find(*(at - 1))->trail.momentAt(viewed.progress);
            ahead = moment ? std::optional(now - *moment) : std::nullopt;
        }
        if (at + 1 != order.end()) {
            const auto moment = viewed.trail.momentAt(find(*(at + 1))->progress);
            behind = moment ? std::optional(now - *moment) : std::nullopt;
        }
    }
    std::array<char, 48> time{};
    std::snprintf(time.data(), time.size(), "%.6f", now);
    return "at=" + std::string(time.data()) + " view=" + std::to_string(m_viewed) +
           " V=" + seconds(ahead) + " H=" + seconds(behind);
}

std::optional<std::uint8_t> ModernRaceSimulation::pit(double now, double stay) {
    const std::vector<std::uint8_t> cars = onTrack();
    if (cars.size() < 2) {
        return std::nullopt;
    }
    const auto plid = pick(cars);
    Car& car = *find(*plid);
    car.where = Where::Pits;
    car.speed = 0.0;
    car.backAt = now + stay;
    return plid;
}

std::vector<std::uint8_t> ModernRaceSimulation::rejoinsDue(double now) {
    std::vector<std::uint8_t> back;
    for (Car& car : m_cars) {
        if (car.where == Where::Pits && now >= car.backAt) {
            car.where = Where::Track;
            car.trail.record(now, car.progress);  // it stood still in the pits
            back.push_back(car.plid);
        }
    }
    return back;
}

std::optional<std::uint8_t> ModernRaceSimulation::leave() {
    const std::vector<std::uint8_t> order = raceOrder();
    std::vector<std::uint8_t> candidates;
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        if (order[i] != m_viewed) {
            candidates.push_back(order[i]);
        }
    }
    const auto plid = pick(candidates);
    if (plid) {
        find(*plid)->where = Where::Gone;
    }
    return plid;
}

std::optional<std::uint8_t> ModernRaceSimulation::moveView() {
    std::vector<std::uint8_t> others = onTrack();
    std::erase(others, m_viewed);
    const auto plid = pick(others);
    if (plid) {
        m_viewed = *plid;
    }
    return plid;
}

insim10::IsNpl ModernRaceSimulation::player(std::uint8_t plid, std::uint8_t reqI) const {
    insim10::IsNpl npl = driverOf(plid);
    npl.ReqI = reqI;
    npl.NumP = static_cast<std::uint8_t>(onTrack().size());
    return npl;
}

insim10::IsSta ModernRaceSimulation::state(std::uint8_t reqI) const {
    insim10::IsSta sta;
    sta.ReqI = reqI;
    sta.ReplaySpeed = 1.0F;
    sta.Flags = 0x4201;  // GAME, MULTI, VISIBLE
    sta.InGameCam = 3;
    sta.ViewPLID = m_viewed;
    sta.NumP = static_cast<std::uint8_t>(onTrack().size());
    sta.NumConns = static_cast<std::uint8_t>(sta.NumP + 1);
    sta.RaceInProg = 1;
    sta.RaceLaps = static_cast<std::uint8_t>(m_laps);
    sta.ServerStatus = 1;
    sta.Track = kTrack;
    sta.Weather = 1;
    return sta;
}

insim10::IsRst ModernRaceSimulation::raceStart(std::uint8_t reqI) const {
    insim10::IsRst rst;
    rst.ReqI = reqI;
    rst.RaceLaps = static_cast<std::uint8_t>(m_laps);
    rst.NumP = static_cast<std::uint8_t>(onTrack().size());
    rst.Timing = 0x40 | 3;  // standard lap timing, three checkpoints
    rst.Track = kTrack;
    rst.Weather = 1;
    rst.NumNodes = CircleTrack::kNumNodes;
    rst.Finish = CircleTrack::kFinish;
    rst.Split1 = CircleTrack::kSplits[0];
    rst.Split2 = CircleTrack::kSplits[1];
    rst.Split3 = CircleTrack::kSplits[2];
    return rst;
}

insim10::OutGaugePack ModernRaceSimulation::gauge(std::uint32_t timeMilliseconds) {
    m_revs.advance(m_rate);
    std::uniform_int_distribution<int> chance(0, 9);
    const Car* car = find(m_viewed);
    insim10::OutGaugePack pack;
    pack.Time = timeMilliseconds;
    pack.Car = driverOf(m_viewed).CName;
    pack.Flags = static_cast<std::uint16_t>(kOgKm | (chance(m_random) == 0 ? kOgShiftKey : 0));
    pack.Gear = static_cast<std::uint8_t>(2 + std::min(5, int(car->speed / 6.0)));
    pack.PLID = m_viewed;
    pack.Speed = static_cast<float>(car->speed * CircleTrack::kNodeSpacing);
    pack.RPM = static_cast<float>(m_revs.revs());
    pack.EngTemp = 90.0F;
    pack.Fuel = 0.6F;
    pack.OilPressure = 4.0F;
    pack.OilTemp = 100.0F;
    pack.DashLights = kDashLights;
    pack.ShowLights = (m_revs.shiftLight() ? 1U : 0U) | (chance(m_random) == 0 ? kAbsLight : 0U);
    pack.Throttle = 1.0F;
    pack.Display1 = field<16>("Fuel 60%");
    pack.Display2 = field<16>("Brake 60%");
    pack.ID = 0;
    return pack;
}

ModernRaceSimulation::Car* ModernRaceSimulation::find(std::uint8_t plid) {
    return &m_cars.at(plid - 1U);
}

const ModernRaceSimulation::Car* ModernRaceSimulation::find(std::uint8_t plid) const {
    return &m_cars.at(plid - 1U);
}

std::optional<std::uint8_t> ModernRaceSimulation::pick(const std::vector<std::uint8_t>& plids) {
    if (plids.empty()) {
        return std::nullopt;
    }
    std::uniform_int_distribution<std::size_t> which(0, plids.size() - 1);
    return plids[which(m_random)];
}

}  // namespace rennlupe::tools
