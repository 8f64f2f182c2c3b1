// One complete position set of a 24-car race (three datagrams: copy, decode,
// 24 car updates, sort, gap display) against a full node log, with the
// node-log index and with the plain scan of the log.
#include "insim/PacketDispatcher.h"
#include "insim/RaceState.h"
#include "NodeLogScan.h"
#include "support/makePackets.h"
#include "support/ManualClock.h"
#include "support/RecordingDispatchHost.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <memory>
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

BENCHMARK(BM_FullSet_Indexed);
BENCHMARK(BM_FullSet_Scan);

}  // namespace

BENCHMARK_MAIN();
