// The gap lines against the stand-in game's race (seed 3, 24 cars, 10 sets a second)
// through the real dispatcher: how often each shows, and how far it is from the time
// since the earlier car, on its own path, was where the later car is now.
#include "insim-sim/RaceSimulation.h"
#include "insim/PacketDispatcher.h"
#include "insim/RaceState.h"
#include "support/ManualClock.h"
#include "support/RecordingDispatchHost.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace rennlupe;

constexpr int kCars = 24;
constexpr int kRate = 10;
constexpr int kLaps = 5;
constexpr std::uint32_t kSeed = 3;
constexpr double kStart = 72000.0;  // 20:00, where a single-precision time moves in 8 ms steps

struct Set {
    double time = 0.0;
    std::vector<double> position;    // per car
    std::vector<std::string> shown;  // per viewed car: the overlay text, empty for none
};

// When the car was at this position, its path running straight between sets.
std::optional<double> timeAt(const std::vector<Set>& sets, int car, double at) {
    const auto c = static_cast<std::size_t>(car);
    const auto after = std::partition_point(sets.begin(), sets.end(),
                                            [&](const Set& s) { return s.position[c] < at; });
    if (after == sets.begin() || after == sets.end()) {
        return std::nullopt;
    }
    const Set& before = *(after - 1);
    const double share = (at - before.position[c]) / (after->position[c] - before.position[c]);
    return before.time + share * (after->time - before.time);
}

// The seconds of the "V - " or "H - " line of an overlay text, if it has one.
std::optional<double> lineOf(const std::string& text, bool ahead) {
    const std::size_t cr = text.find('\r');
    const std::string line = ahead                     ? text.substr(0, cr)
                             : cr == std::string::npos ? ""
                                                       : text.substr(cr + 1);
    if (line.size() < 4) {
        return std::nullopt;
    }
    const bool negative = line[4] == '-';
    int minutes = 0;
    int seconds = 0;
    int millis = 0;
    if (std::sscanf(line.c_str() + 4 + (negative ? 1 : 0), "%d:%d:%d", &minutes, &seconds,
                    &millis) != 3) {
        return std::nullopt;
    }
    const double value = minutes * 60.0 + seconds + millis / 1000.0;
    return negative ? -value : value;
}

struct Tally {
    int updates = 0;
    int aheadExists = 0;
    int aheadShown = 0;
    int behindExists = 0;
    int behindShown = 0;
    int bothExist = 0;
    int bothShown = 0;
    int aloneBothExist = 0;
    int aloneBothShown = 0;
    int aloneAheadExists =
        0;  // the same, counted only while no other car shares the viewed car's node
    int aloneAheadShown = 0;
    int aloneBehindExists = 0;
    int aloneBehindShown = 0;
    std::vector<double> errors;         // ms, against the gap where the later car is now
    std::vector<double> forwardErrors;  // ms, against the time to reach the earlier car's place

    void add(const std::vector<Set>& sets, std::size_t s, int viewed) {
        const Set& set = sets[s];
        const double own = set.position[static_cast<std::size_t>(viewed)];
        int ahead = -1;
        int behind = -1;
        for (int car = 0; car < kCars; ++car) {
            const double p = set.position[static_cast<std::size_t>(car)];
            if (p > own && (ahead < 0 || p < set.position[static_cast<std::size_t>(ahead)])) {
                ahead = car;
            }
            if (p < own && (behind < 0 || p > set.position[static_cast<std::size_t>(behind)])) {
                behind = car;
            }
        }
        ++updates;
        const std::string& text = set.shown[static_cast<std::size_t>(viewed)];
        const auto aheadLine = lineOf(text, true);
        const auto behindLine = lineOf(text, false);
        measure(sets, s, ahead, viewed, aheadLine, aheadExists, aheadShown);
        measure(sets, s, viewed, behind, behindLine, behindExists, behindShown);
        // Cars on one node tie in the standings, and a tie is a zero gap: no line.
        const bool alone = std::none_of(set.position.begin(), set.position.end(), [&](double p) {
            return p != own && std::floor(p) == std::floor(own);
        });
        const bool both = ahead >= 0 && behind >= 0;
        bothExist += both ? 1 : 0;
        bothShown += both && aheadLine && behindLine ? 1 : 0;
        if (alone) {
            aloneBothExist += both ? 1 : 0;
            aloneBothShown += both && aheadLine && behindLine ? 1 : 0;
            aloneAheadExists += ahead >= 0 ? 1 : 0;
            aloneAheadShown += ahead >= 0 && aheadLine ? 1 : 0;
            aloneBehindExists += behind >= 0 ? 1 : 0;
            aloneBehindShown += behind >= 0 && behindLine ? 1 : 0;
        }
    }

    void measure(const std::vector<Set>& sets, std::size_t s, int first, int later,
                 std::optional<double> shown, int& exists, int& shownCount) {
        if (first < 0 || later < 0) {
            return;
        }
        ++exists;
        if (!shown) {
            return;
        }
        ++shownCount;
        const Set& set = sets[s];
        if (const auto passed =
                timeAt(sets, first, set.position[static_cast<std::size_t>(later)])) {
            errors.push_back(std::abs(*shown - (set.time - *passed)) * 1000.0);
        }
        if (const auto reaches =
                timeAt(sets, later, set.position[static_cast<std::size_t>(first)])) {
            forwardErrors.push_back(std::abs(*shown - (*reaches - set.time)) * 1000.0);
        }
    }
};

double percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

void print(const char* title, const Tally& t) {
    auto share = [](int part, int whole) { return whole == 0 ? 0.0 : 100.0 * part / whole; };
    std::printf("%s\n  updates %d\n", title, t.updates);
    std::printf("  V shown %d of %d with a car ahead (%.1f %%)\n", t.aheadShown, t.aheadExists,
                share(t.aheadShown, t.aheadExists));
    std::printf("  H shown %d of %d with a car behind (%.1f %%)\n", t.behindShown, t.behindExists,
                share(t.behindShown, t.behindExists));
    std::printf(
        "  both shown %d of %d with a car ahead and one behind (%.1f %%); with no other car "
        "on the viewed car's node %d of %d (%.1f %%)\n",
        t.bothShown, t.bothExist, share(t.bothShown, t.bothExist), t.aloneBothShown,
        t.aloneBothExist, share(t.aloneBothShown, t.aloneBothExist));
    std::printf(
        "  with no other car on the viewed car's node: V %d of %d (%.1f %%), H %d of %d "
        "(%.1f %%)\n",
        t.aloneAheadShown, t.aloneAheadExists, share(t.aloneAheadShown, t.aloneAheadExists),
        t.aloneBehindShown, t.aloneBehindExists, share(t.aloneBehindShown, t.aloneBehindExists));
    std::printf(
        "  error where the later car is: median %.1f ms, 95th percentile %.1f ms (%zu lines)\n",
        percentile(t.errors, 0.5), percentile(t.errors, 0.95), t.errors.size());
    std::printf(
        "  error against the time to reach the earlier car's place: median %.1f ms, "
        "95th percentile %.1f ms\n",
        percentile(t.forwardErrors, 0.5), percentile(t.forwardErrors, 0.95));
}

}  // namespace

int main() {
    tools::RaceSimulation race(kCars, kLaps, kRate, kSeed);
    insim::RaceState state;
    support::RecordingDispatchHost host;
    support::ManualClock clock{kStart};
    insim::PacketDispatcher dispatcher(state, host, clock);
    host.Check1().setValue(controls::CheckBox::kUnchecked);  // the display runs below, once per car

    auto positions = [&] {
        std::vector<double> all;
        for (int car = 0; car < kCars; ++car) {
            all.push_back(race.position(car));
        }
        return all;
    };
    std::vector<Set> sets{{kStart, positions(), {}}};
    int failed = 0;
    for (int n = 1; !race.raceOver(); ++n) {
        clock.advance(1.0 / kRate);
        const auto packets = race.nextSet();
        for (const auto& packet : packets) {
            std::array<std::uint8_t, insim::PacketDispatcher::kBufferSize> datagram{};
            std::copy(packet.begin(), packet.end(), datagram.begin());
            try {
                dispatcher.DispatchPacket(datagram, insim::PacketDispatcher::kBufferSize - 1);
            } catch (...) {
                ++failed;
            }
        }
        Set set{clock.secondsSinceMidnight(), positions(), {}};
        for (int car = 0; car < kCars; ++car) {
            host.clearRecords();
            host.lblMeineID().setCaption(std::to_string(car + 1));
            dispatcher.gapDisplay().ShowGapsInDX();
            set.shown.push_back(host.texts.empty() ? std::string() : host.texts.back());
        }
        sets.push_back(std::move(set));
    }

    Tally viewed;
    Tally everyCar;
    for (std::size_t s = 1; s < sets.size(); ++s) {
        viewed.add(sets, s, 0);
        for (int car = 0; car < kCars; ++car) {
            everyCar.add(sets, s, car);
        }
    }
    std::printf("seed %u, %d cars, %d laps, %d sets a second; %d datagrams failed\n", kSeed, kCars,
                kLaps, kRate, failed);
    print("the viewed car (player 0, as the stand-in game views it)", viewed);
    print("every car viewed in turn", everyCar);
    return 0;
}
