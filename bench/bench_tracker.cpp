// One complete position set of a 24-car race (three datagrams: copy, decode,
// 24 car updates, sort, gap display) against a full node log, with the
// node-log index and with the plain scan of the log; beside it one set of
// today's 48-car race (three MCI packets of 16) decoded into the race model.
#include "insim/PacketDispatcher.h"
#include "insim/RaceState.h"
#include "insim10/CompCarInfo.h"
#include "insim10/IsSta.h"
#include "insim10/PacketDecoder.h"
#include "insim10/RaceFeed.h"
#include "NodeLogScan.h"
#include "race/GapLines.h"
#include "support/makePackets.h"
#include "support/ManualClock.h"
#include "support/RecordingDispatchHost.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <span>
#include <vector>

namespace {

using namespace rennlupe;

constexpr std::size_t kCars = 24;
constexpr int kNodes = 600;
constexpr std::size_t kSets = 2000;  // replayed in a loop; more than a ring's worth

using Datagram = std::array<std::uint8_t, insim::PacketDispatcher::kBufferSize>;

std::vector<std::array<Datagram, 3>> makeRace() {
    std::vector<std::array<Datagram, 3>> sets(kSets);
    std::array<int, kCars> node{};
    std::array<int, kCars> lap{};
    lap.fill(1);
    for (std::size_t s = 0; s < kSets; ++s) {
        for (std::size_t group = 0; group < 3; ++group) {
            std::vector<support::CarFields> cars;
            for (std::size_t k = 0; k < 8; ++k) {
                const std::size_t car = group * 8 + k;
                node[car] += 1 + static_cast<int>((car * 7 + s) % 3);
                if (node[car] >= kNodes) {
                    node[car] -= kNodes;
                    lap[car] = lap[car] % 25 + 1;
                }
                cars.push_back({.plid = static_cast<std::uint8_t>(car + 1),
                                .node = static_cast<std::uint16_t>(node[car]),
                                .lap = static_cast<std::uint8_t>(lap[car])});
            }
            const auto bytes =
                support::mciPacket(kCars, static_cast<std::uint8_t>(group * 8), 300, cars, kNodes);
            Datagram& datagram = sets[s][group];
            datagram.fill(0);
            std::copy(bytes.begin(), bytes.end(), datagram.begin());
        }
    }
    return sets;
}

struct Race {
    insim::RaceState state;
    support::RecordingDispatchHost host;
    support::ManualClock clock{50000.0};
    bench::NodeLogScan scan{state};
    std::unique_ptr<insim::PacketDispatcher> dispatcher;
    std::size_t next = 0;

    explicit Race(bool indexed) {
        dispatcher = indexed ? std::make_unique<insim::PacketDispatcher>(state, host, clock)
                             : std::make_unique<insim::PacketDispatcher>(state, host, clock, scan);
        host.lblMeineID().setCaption("12");
    }

    void runSet(const std::array<Datagram, 3>& set) {
        for (const Datagram& datagram : set) {
            dispatcher->DispatchPacket(datagram, 1024);
        }
        clock.advance(0.01);
    }
};

void fullSet(benchmark::State& bench, bool indexed) {
    static const auto sets = makeRace();
    Race race(indexed);
    for (std::size_t s = 0; s < kSets; ++s) {  // fill the log: 2000 sets wrap the ring twice
        race.runSet(sets[s]);
    }
    race.host.clearRecords();
    std::size_t done = 0;
    for (auto _ : bench) {
        race.runSet(sets[race.next]);
        race.next = (race.next + 1) % kSets;
        if (++done % 4096 == 0) {
            bench.PauseTiming();
            race.host.clearRecords();
            bench.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(race.host.texts.data());
    bench.SetItemsProcessed(bench.iterations());
}

void BM_FullSet_Indexed(benchmark::State& bench) {
    fullSet(bench, true);
}
void BM_FullSet_Scan(benchmark::State& bench) {
    fullSet(bench, false);
}

constexpr std::size_t kTodaysCars = 48;
constexpr std::size_t kCarsPerMci = 16;
constexpr std::uint32_t kPathNodes = 600;  // a closed path; its finish is node 0

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& bytes, std::size_t at, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

Bytes packet(std::size_t size, std::uint8_t type, std::uint8_t byte3) {
    Bytes bytes(size);
    bytes[0] = static_cast<std::uint8_t>(size / 4);
    bytes[1] = type;
    bytes[3] = byte3;
    return bytes;
}

// Cars spread over the lap, each at its own pace of about a lap a minute, so they pass the
// finish and each other; a circle of 200 m, three datagrams per set.
std::vector<Bytes> makeTodaysRace() {
    std::vector<Bytes> datagrams;
    for (std::size_t s = 0; s < kSets; ++s) {
        for (std::size_t group = 0; group < kTodaysCars / kCarsPerMci; ++group) {
            Bytes mci = packet(4 + kCarsPerMci * 28, insim10::kIspMci, kCarsPerMci);
            for (std::size_t k = 0; k < kCarsPerMci; ++k) {
                const std::size_t car = group * kCarsPerMci + k;
                const double nodes =
                    static_cast<double>(car) * 12.5 +
                    static_cast<double>(s) * (0.09 + 0.0005 * static_cast<double>(car));
                const double angle = 2 * std::numbers::pi * nodes / kPathNodes;
                const auto passed = static_cast<std::uint32_t>(nodes);
                const std::size_t at = 4 + k * 28;
                put(mci, at, (passed + 1) % kPathNodes, 2);
                put(mci, at + 2, 1 + passed / kPathNodes, 2);
                mci[at + 4] = static_cast<std::uint8_t>(car + 1);
                mci[at + 6] = car == 0
                                  ? insim10::kCciFirst
                                  : (car + 1 == kTodaysCars ? insim10::kCciLast : std::uint8_t{0});
                put(mci, at + 8,
                    static_cast<std::uint32_t>(
                        static_cast<std::int32_t>(std::cos(angle) * 200 * 65536)),
                    4);
                put(mci, at + 12,
                    static_cast<std::uint32_t>(
                        static_cast<std::int32_t>(std::sin(angle) * 200 * 65536)),
                    4);
                put(mci, at + 20, 16384, 2);  // 50 m/s
                put(mci, at + 22,
                    static_cast<std::uint32_t>(angle / (2 * std::numbers::pi) * 65536), 2);
            }
            datagrams.push_back(std::move(mci));
        }
    }
    return datagrams;
}

struct TodaysRace {
    double now = 50000.0;
    race::RaceModel model{[this] { return now; }};
    insim10::PacketDecoder decoder;

    TodaysRace() {
        Bytes rst = packet(28, insim10::kIspRst, 0);
        put(rst, 18, kPathNodes, 2);
        play(std::span(&rst, 1));
        for (std::size_t car = 1; car <= kTodaysCars; ++car) {
            Bytes npl = packet(76, insim10::kIspNpl, static_cast<std::uint8_t>(car));
            npl[73] = static_cast<std::uint8_t>(car);  // NumP
            play(std::span(&npl, 1));
        }
        insim10::IsSta sta;
        sta.ViewPLID = kTodaysCars / 2;  // mid-field: both neighbours
        const auto view = sta.bytes();
        const Bytes viewed(view.begin(), view.end());
        play(std::span(&viewed, 1));
    }
    void play(std::span<const Bytes> datagrams) {
        for (const Bytes& datagram : datagrams) {
            if (const auto decoded = decoder.decode(datagram)) {
                insim10::feedRace(*decoded, model);
            }
        }
        now += 0.01;
    }
};

void BM_FullSet48_TodaysModel(benchmark::State& bench) {
    static const auto datagrams = makeTodaysRace();
    const std::size_t perSet = kTodaysCars / kCarsPerMci;
    TodaysRace race;
    for (std::size_t s = 0; s < kSets; ++s) {  // every car's history holds its latest nodes
        race.play(std::span(datagrams).subspan(s * perSet, perSet));
    }
    std::size_t next = 0;
    std::size_t shown = 0;
    for (auto _ : bench) {
        race.play(std::span(datagrams).subspan(next * perSet, perSet));
        shown += race::GapLines(race.model.gaps()).text().size();
        next = (next + 1) % kSets;
    }
    benchmark::DoNotOptimize(shown);
    benchmark::DoNotOptimize(race.model.order().data());
    bench.counters["cars_in_order"] = static_cast<double>(race.model.order().size());
    bench.SetItemsProcessed(bench.iterations());
}

BENCHMARK(BM_FullSet_Indexed);
BENCHMARK(BM_FullSet_Scan);
BENCHMARK(BM_FullSet48_TodaysModel);

}  // namespace

BENCHMARK_MAIN();
