#pragma once

#include "insim-sim/ProgressTrail.h"
#include "insim-sim/RevsCycle.h"
#include "insim10/IsNpl.h"
#include "insim10/IsRst.h"
#include "insim10/IsSta.h"
#include "insim10/OutGaugePack.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace rennlupe::tools {

// Today's game's race on a circle: cars by PLID that step at the moments they are
// given (steady-clock seconds), go to the pits, rejoin and leave; one car is viewed.
class ModernRaceSimulation {
public:
    ModernRaceSimulation(int cars, int laps, int rate, std::uint32_t seed);

    int laps() const { return m_laps; }
    std::uint8_t viewed() const { return m_viewed; }
    // Every car still present back on the grid, PLID order, the first in front.
    void restart(double now);
    // Cars on the track move on at their pace since the last step.
    void step(double now);
    bool raceOver() const;
    double progress(std::uint8_t plid) const { return find(plid)->progress; }

    // The PLIDs on the track, leader first.
    std::vector<std::uint8_t> raceOrder() const;
    // One set of position packets, up to 16 cars each, in PLID order.
    std::vector<std::vector<std::uint8_t>> positionSet() const;
    // "at=T view=P V=S H=S": the viewed car's true gaps to the cars either side.
    std::string truth(double now) const;

    // The pit, leave and view events: the PLID concerned, or nothing when no car fits.
    std::optional<std::uint8_t> pit(double now, double stay);
    std::vector<std::uint8_t> rejoinsDue(double now);
    std::optional<std::uint8_t> leave();
    std::optional<std::uint8_t> moveView();

    insim10::IsNpl player(std::uint8_t plid, std::uint8_t reqI) const;
    std::vector<std::uint8_t> onTrack() const;
    insim10::IsSta state(std::uint8_t reqI) const;
    insim10::IsRst raceStart(std::uint8_t reqI) const;
    insim10::OutGaugePack gauge(std::uint32_t timeMilliseconds);

private:
    enum class Where { Track, Pits, Gone };
    struct Car {
        std::uint8_t plid = 0;
        double pace = 0.0;   // nodes per second on average
        double speed = 0.0;  // nodes per second over the last step
        double progress = 0.0;
        Where where = Where::Track;
        double backAt = 0.0;  // leaves the pits then
        ProgressTrail trail;
    };

    Car* find(std::uint8_t plid);
    const Car* find(std::uint8_t plid) const;
    std::optional<std::uint8_t> pick(const std::vector<std::uint8_t>& plids);

    int m_laps;
    int m_rate;
    std::mt19937 m_random;
    std::vector<Car> m_cars;
    std::uint8_t m_viewed = 1;
    double m_lastStep = 0.0;
    RevsCycle m_revs;
};

}  // namespace rennlupe::tools
