#include "countedAllocations.h"

#include "insim10/CompCarInfo.h"
#include "insim10/IsMci.h"
#include "insim10/IsNpl.h"
#include "insim10/IsRst.h"
#include "insim10/IsSta.h"
#include "insim10/PacketDecoder.h"
#include "insim10/RaceFeed.h"
#include "race/GapLines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace rennlupe::insim10 {
namespace {

constexpr int kCars = 48;
constexpr int kNodes = 400;

// One position set of a 48-car race as the game sends it: three packets, FIRST to LAST.
std::vector<std::vector<std::uint8_t>> setOf(int step) {
    std::vector<std::vector<std::uint8_t>> packets;
    for (int first = 0; first < kCars; first += 16) {
        IsMci mci;
        mci.NumC = 16;
        for (int k = 0; k < 16; ++k) {
            const int car = first + k;
            const int progress = 3 * (kCars - car) + step * (20 + car % 5);
            CompCar& c = mci.Info[static_cast<std::size_t>(k)];
            c.PLID = static_cast<std::uint8_t>(car + 1);
            c.Node = static_cast<std::uint16_t>(progress % kNodes);
            c.Lap = static_cast<std::uint16_t>(1 + progress / kNodes);
            c.Speed = 16000;
            c.X = (progress % kNodes) * 65536;
            c.Info = static_cast<std::uint8_t>((car == 0 ? kCciFirst : 0) |
                                               (car == kCars - 1 ? kCciLast : 0));
        }
        packets.push_back(mci.bytes());
    }
    return packets;
}

TEST(SteadyRace, DecodingFeedingAndBothGapLinesAllocateNothing) {
    double now = 0.0;
    race::RaceModel model([&now] { return now; });
    PacketDecoder decoder;
    const auto feed = [&](std::span<const std::uint8_t> bytes) {
        const auto packet = decoder.decode(bytes);
        ASSERT_TRUE(packet.has_value());
        feedRace(*packet, model);
    };
    IsRst rst;
    rst.NumNodes = kNodes;
    rst.Finish = 150;
    feed(rst.bytes());
    for (int car = 1; car <= kCars; ++car) {
        IsNpl npl;
        npl.PLID = static_cast<std::uint8_t>(car);
        npl.NumP = static_cast<std::uint8_t>(car);
        feed(npl.bytes());
    }
    IsSta sta;
    sta.ViewPLID = 20;
    feed(sta.bytes());
    std::vector<std::vector<std::vector<std::uint8_t>>> sets;
    for (int step = 0; step < 600; ++step) {
        sets.push_back(setOf(step));
    }

    const std::size_t before = allocationCount();
    std::size_t shown = 0;
    for (const auto& set : sets) {
        now += 0.1;
        for (const auto& packet : set) {
            feed(packet);
        }
        shown += race::GapLines(model.gaps()).text().size();
    }
    EXPECT_EQ(allocationCount() - before, 0U);
    EXPECT_EQ(model.order().size(), static_cast<std::size_t>(kCars));
    EXPECT_GT(shown, 0U);
}

}  // namespace
}  // namespace rennlupe::insim10
