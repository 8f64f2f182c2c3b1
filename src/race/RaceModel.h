#pragma once

#include "race/Car.h"
#include "race/CarSample.h"
#include "race/ConnectionLeft.h"
#include "race/CrossingHistory.h"
#include "race/FieldCleared.h"
#include "race/Gaps.h"
#include "race/PlayerJoined.h"
#include "race/PlayerLeft.h"
#include "race/PlayerPitted.h"
#include "race/RaceStarted.h"
#include "race/ViewedCar.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace rennlupe::race {

// The field of today's game, kept from its events: up to 48 cars by PLID in race order, in
// fixed memory. Queries about PLID 0 or a PLID the model does not hold give nothing.
class RaceModel {
public:
    static constexpr std::size_t kMaxCars = 48;
    // Monotonic seconds; every car of an applied set is stamped with one reading.
    using Clock = std::function<double()>;

    explicit RaceModel(Clock clock);

    void apply(const PlayerJoined& event);
    void apply(const PlayerPitted& event);
    void apply(const PlayerLeft& event);
    void apply(const ConnectionLeft& event);
    void apply(const FieldCleared& event);
    void apply(const RaceStarted& event);
    void apply(const ViewedCar& event);
    void apply(const CarSample& sample);

    const Car* car(std::uint8_t plid) const;
    const Car* viewed() const;
    const Car* ahead(std::uint8_t plid) const;
    const Car* behind(std::uint8_t plid) const;
    // Nodes covered since the race began: lap * NumNodes plus the node after the finish as 0.
    std::optional<std::int64_t> progress(std::uint8_t plid) const;
    // PLIDs of the cars on track, leader first.
    std::span<const std::uint8_t> order() const { return {m_order.data(), m_orderSize}; }
    const RaceStarted& race() const { return m_race; }
    // Nothing for a car without a sample since it joined or the race started.
    const CrossingHistory* crossings(std::uint8_t plid) const;
    // The monotonic clock's reading at the last applied set.
    double now() const { return m_now; }
    // Progress plus the share of the way to the next node, in [0, 1).
    std::optional<double> trackPosition(std::uint8_t plid) const;
    Gaps gaps() const;

private:
    // Where the samples at a path node were seen, summed in metres.
    struct NodeSpot {
        double x = 0.0;
        double y = 0.0;
        std::uint32_t count = 0;
    };
    static constexpr std::size_t kNodeSpots = 4096;

    Car* find(std::uint8_t plid);
    std::size_t slot(const Car& car) const;
    void remove(Car& car);
    void applySet();
    void reorder();
    bool before(const Car& a, const Car& b) const;
    std::int64_t progressOf(const CarSample& sample) const;
    const Car* neighbour(std::uint8_t plid, bool ahead) const;
    void learn(const Car& car, const CarSample& next);
    double share(const Car& car) const;
    Gap gap(const Car* leader, const Car* follower) const;

    Clock m_clock;
    std::array<Car, kMaxCars> m_cars{};
    // By slot, as the cars; allocated once with the model.
    std::unique_ptr<std::array<CrossingHistory, kMaxCars>> m_crossings;
    std::array<std::uint8_t, 256> m_slotOf{};  // slot + 1 by PLID, 0 for none
    std::array<CarSample, kMaxCars> m_set{};
    std::size_t m_setSize = 0;
    bool m_collecting = false;
    std::array<std::uint8_t, kMaxCars> m_order{};
    std::size_t m_orderSize = 0;
    RaceStarted m_race{};
    std::uint8_t m_viewed = 0;
    double m_now = 0.0;
    std::unique_ptr<std::array<NodeSpot, kNodeSpots>> m_spots;
    double m_metres = 0.0;  // driven between samples, over the nodes passed meanwhile
    std::int64_t m_nodes = 0;
};

}  // namespace rennlupe::race
