#include "race/RaceModel.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace rennlupe::race {

namespace {

bool onTrack(const Car& car) {
    return car.plid != 0 && car.sampled && !car.inPits;
}

constexpr double kUnitsPerMetre = 65536.0;
constexpr double kUnitsPerMetrePerSecond = 327.68;

}  // namespace

RaceModel::RaceModel(Clock clock)
    : m_clock(std::move(clock)),
      m_crossings(std::make_unique<std::array<CrossingHistory, kMaxCars>>()),
      m_spots(std::make_unique<std::array<NodeSpot, kNodeSpots>>()) {}

void RaceModel::apply(const PlayerJoined& event) {
    if (event.plid == 0 || event.numberInRace == 0) {
        return;
    }
    Car* car = find(event.plid);
    if (car == nullptr) {
        std::size_t slot = 0;
        while (slot < kMaxCars && m_cars[slot].plid != 0) {
            ++slot;
        }
        if (slot == kMaxCars) {
            return;
        }
        car = &m_cars[slot];
        *car = Car{};
        car->plid = event.plid;
        m_slotOf[event.plid] = static_cast<std::uint8_t>(slot + 1);
    }
    // Back from the pits: its last sample is from before, so it waits for the next set.
    car->connection = event.connection;
    car->ai = event.ai;
    car->inPits = false;
    car->sampled = false;
    (*m_crossings)[slot(*car)].clear();
    car->setName(event.name);
    reorder();
}

void RaceModel::apply(const PlayerPitted& event) {
    if (Car* car = find(event.plid)) {
        car->inPits = true;
        reorder();
    }
}

void RaceModel::apply(const PlayerLeft& event) {
    if (Car* car = find(event.plid)) {
        remove(*car);
        reorder();
    }
}

void RaceModel::apply(const ConnectionLeft& event) {
    for (Car& car : m_cars) {
        if (car.plid != 0 && car.connection == event.connection) {
            remove(car);
        }
    }
    reorder();
}

void RaceModel::apply(const FieldCleared& /*event*/) {
    for (Car& car : m_cars) {
        if (car.plid != 0) {
            remove(car);
        }
    }
    m_collecting = false;
    reorder();
}

void RaceModel::apply(const RaceStarted& event) {
    // Samples of the race before count laps and nodes of another path.
    m_race = event;
    for (Car& car : m_cars) {
        car.sampled = false;
    }
    for (CrossingHistory& crossings : *m_crossings) {
        crossings.clear();
    }
    m_spots->fill(NodeSpot{});
    m_metres = 0.0;
    m_nodes = 0;
    m_collecting = false;
    reorder();
}

void RaceModel::apply(const ViewedCar& event) {
    m_viewed = event.plid;
}

void RaceModel::apply(const CarSample& sample) {
    if (sample.first) {
        m_collecting = true;
        m_setSize = 0;
    }
    if (!m_collecting) {
        return;
    }
    if (m_setSize == kMaxCars) {
        m_collecting = false;
        return;
    }
    m_set[m_setSize++] = sample;
    if (sample.last) {
        m_collecting = false;
        applySet();
    }
}

const Car* RaceModel::car(std::uint8_t plid) const {
    return m_slotOf[plid] == 0 ? nullptr : &m_cars[m_slotOf[plid] - 1U];
}

const Car* RaceModel::viewed() const {
    return car(m_viewed);
}

const Car* RaceModel::ahead(std::uint8_t plid) const {
    return neighbour(plid, true);
}

const Car* RaceModel::behind(std::uint8_t plid) const {
    return neighbour(plid, false);
}

std::optional<std::int64_t> RaceModel::progress(std::uint8_t plid) const {
    const Car* found = car(plid);
    if (found == nullptr || !found->sampled) {
        return std::nullopt;
    }
    return found->progress;
}

const CrossingHistory* RaceModel::crossings(std::uint8_t plid) const {
    const Car* found = car(plid);
    return found == nullptr || !found->sampled ? nullptr : &(*m_crossings)[slot(*found)];
}

std::size_t RaceModel::slot(const Car& car) const {
    return static_cast<std::size_t>(&car - m_cars.data());
}

Car* RaceModel::find(std::uint8_t plid) {
    return const_cast<Car*>(car(plid));
}

void RaceModel::remove(Car& car) {
    if (m_viewed == car.plid) {
        m_viewed = 0;
    }
    m_slotOf[car.plid] = 0;
    car.plid = 0;
}

void RaceModel::applySet() {
    const double now = m_clock();
    m_now = now;
    for (std::size_t i = 0; i < m_setSize; ++i) {
        if (Car* car = find(m_set[i].plid)) {
            learn(*car, m_set[i]);
            car->sample = m_set[i];
            car->progress = progressOf(car->sample);
            car->sampled = true;
            car->sampledAt = now;
            (*m_crossings)[slot(*car)].record(car->progress, now);
        }
    }
    reorder();
}

// Keeps the cars still on track in their last order, adds the others, then sorts by insertion:
// stable and without allocation, and nearly free when the order has not changed.
void RaceModel::reorder() {
    std::array<bool, 256> listed{};
    std::size_t size = 0;
    for (std::size_t i = 0; i < m_orderSize; ++i) {
        const Car* kept = car(m_order[i]);
        if (kept != nullptr && onTrack(*kept)) {
            m_order[size++] = kept->plid;
            listed[kept->plid] = true;
        }
    }
    for (const Car& added : m_cars) {
        if (onTrack(added) && !listed[added.plid]) {
            m_order[size++] = added.plid;
        }
    }
    m_orderSize = size;
    for (std::size_t i = 1; i < size; ++i) {
        for (std::size_t j = i; j > 0 && before(*car(m_order[j]), *car(m_order[j - 1])); --j) {
            std::swap(m_order[j], m_order[j - 1]);
        }
    }
}

// The game's positions first; cars it gives none follow, by how far they have come.
bool RaceModel::before(const Car& a, const Car& b) const {
    const std::uint8_t pa = a.sample.position;
    const std::uint8_t pb = b.sample.position;
    if (pa != 0 && pb != 0) {
        return pa < pb;
    }
    if (pa != 0 || pb != 0) {
        return pa != 0;
    }
    return a.progress > b.progress;
}

std::int64_t RaceModel::progressOf(const CarSample& sample) const {
    if (m_race.numNodes == 0) {
        return std::int64_t{sample.lap} * 65536 + sample.node;
    }
    const std::int64_t nodes = m_race.numNodes;
    const std::int64_t fromFinish = std::int64_t{sample.node} - m_race.finishNode - 1;
    return std::int64_t{sample.lap} * nodes + (fromFinish % nodes + nodes) % nodes;
}

const Car* RaceModel::neighbour(std::uint8_t plid, bool ahead) const {
    if (plid == 0) {
        return nullptr;
    }
    for (std::size_t i = 0; i < m_orderSize; ++i) {
        if (m_order[i] == plid) {
            if (ahead) {
                return i == 0 ? nullptr : car(m_order[i - 1]);
            }
            return i + 1 == m_orderSize ? nullptr : car(m_order[i + 1]);
        }
    }
    return nullptr;
}

void RaceModel::learn(const Car& car, const CarSample& next) {
    if (car.sampled) {
        const std::int64_t nodes = progressOf(next) - car.progress;
        if (nodes > 0 && nodes <= CrossingHistory::kMaxSkip) {
            m_metres += std::hypot(static_cast<double>(next.x) - car.sample.x,
                                   static_cast<double>(next.y) - car.sample.y) /
                        kUnitsPerMetre;
            m_nodes += nodes;
        }
    }
    if (next.node < kNodeSpots) {
        NodeSpot& spot = (*m_spots)[next.node];
        spot.x += next.x / kUnitsPerMetre;
        spot.y += next.y / kUnitsPerMetre;
        ++spot.count;
    }
}

// Along the line between where samples at this node and the next were seen on average; until
// both are known, the metres driven since the node at the sample's speed, in mean node lengths.
double RaceModel::share(const Car& car) const {
    const double below1 = std::nextafter(1.0, 0.0);
    const CarSample& s = car.sample;
    const std::size_t next = m_race.numNodes == 0 ? s.node + 1U : (s.node + 1U) % m_race.numNodes;
    if (next < kNodeSpots && s.node < kNodeSpots && (*m_spots)[s.node].count != 0 &&
        (*m_spots)[next].count != 0) {
        const NodeSpot& a = (*m_spots)[s.node];
        const NodeSpot& b = (*m_spots)[next];
        const double ax = a.x / a.count;
        const double ay = a.y / a.count;
        const double dx = b.x / b.count - ax;
        const double dy = b.y / b.count - ay;
        const double length2 = dx * dx + dy * dy;
        if (length2 > 0.0) {
            const double along =
                (s.x / kUnitsPerMetre - ax) * dx + (s.y / kUnitsPerMetre - ay) * dy;
            return std::clamp(along / length2, 0.0, below1);
        }
    }
    const std::optional<double> passed = (*m_crossings)[slot(car)].passed(car.progress);
    if (!passed || m_nodes == 0 || m_metres <= 0.0) {
        return 0.0;
    }
    const double metres = s.speed / kUnitsPerMetrePerSecond * (m_now - *passed);
    return std::clamp(metres / (m_metres / static_cast<double>(m_nodes)), 0.0, below1);
}

std::optional<double> RaceModel::trackPosition(std::uint8_t plid) const {
    const Car* found = car(plid);
    if (found == nullptr || !onTrack(*found)) {
        return std::nullopt;
    }
    return static_cast<double>(found->progress) + share(*found);
}

Gaps RaceModel::gaps() const {
    const Car* own = viewed();
    if (own == nullptr) {
        return {};
    }
    return {gap(ahead(own->plid), own), gap(own, behind(own->plid))};
}

// Now minus the moment the leader was where the follower is now, between the two passages of
// the leader that bracket that place; its own place now is the last of them.
Gap RaceModel::gap(const Car* leader, const Car* follower) const {
    if (leader == nullptr || follower == nullptr || !onTrack(*leader) || !onTrack(*follower)) {
        return {};
    }
    const std::int64_t node = follower->progress;
    const double part = share(*follower);
    const std::int64_t leaderNode = leader->progress;
    const double leaderPart = share(*leader);
    const CrossingHistory& history = (*m_crossings)[slot(*leader)];
    const std::optional<double> from = history.passed(node);
    if (!from || node > leaderNode || (node == leaderNode && part > leaderPart)) {
        return {};
    }
    if (node == leaderNode) {
        const double moment = part == 0.0 ? *from : *from + (m_now - *from) * part / leaderPart;
        return {m_now - moment};
    }
    const std::optional<double> to = history.passed(node + 1);
    if (!to) {
        return {};
    }
    return {m_now - (*from + (*to - *from) * part)};
}

}  // namespace rennlupe::race
