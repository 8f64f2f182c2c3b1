#include "insim/formatGap.h"
#include "insim/GapDisplay.h"

#include "insim/DispatchFixture.h"
#include "support/makePackets.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace rennlupe::insim {
namespace {

using bits::Value;
using Texts = std::vector<std::string>;

// Rounded to milliseconds before splitting and before the sign is taken (an
// exact half away from zero); hours are not shown; a gap recorded either side
// of midnight is taken a day later.
TEST(FormatGap, ShowsMinutesSecondsAndThousandths) {
    using Case = std::pair<float, std::string>;
    for (const auto& [seconds, text] :
         {Case{1.234F, "00:01:234"}, Case{75.05F, "01:15:050"}, Case{3725.0F, "02:05:000"},
          Case{0.0004F, "00:00:000"}, Case{1.9996F, "00:02:000"}, Case{59.9999F, "01:00:000"},
          Case{0.0625F, "00:00:063"}, Case{-1.5F, "-00:01:500"}, Case{-0.0004F, "00:00:000"},
          Case{-86399.5F, "00:00:500"},
          Case{std::numeric_limits<float>::infinity(), "00:00:000"}}) {
        EXPECT_EQ(formatGap(seconds), text) << seconds;
    }
    EXPECT_EQ(formatGap(-3e38F).front(), '-');
}

// Our car is plid 35, the initial caption of lblMeineID.
class Gaps : public ::testing::Test, protected DispatchFixture {
protected:
    struct Car {
        int plid;
        int key;
        float time = 100.0F;
    };
    void race(std::int16_t players, std::initializer_list<Car> cars) {
        state.playerCount = players;
        auto row = state.standings().begin();
        for (const Car& car : cars) {
            *row++ = {Value::ofInt16(static_cast<std::int16_t>(car.plid)),
                      Value::ofInt16(static_cast<std::int16_t>(car.key)), Value::ofSingle(car.time),
                      Value()};
        }
    }
    void passed(int row, int plid, int key, float time) {
        state.writeLogRow(static_cast<std::int16_t>(row), static_cast<std::int16_t>(plid),
                          static_cast<std::int16_t>(key), time, 1);
    }
    void show() { dispatcher.gapDisplay().ShowGapsInDX(); }
};

// Ahead: when the car ahead passed our node; behind: when we passed the node
// of the car behind, each against the later car's own time. The leader gets
// only the behind line.
TEST_F(Gaps, AheadAndBehindAreMeasuredWhereTheLaterCarIsNow) {
    race(3, {{7, 1200}, {35, 1150}, {9, 1100}});
    passed(5, 7, 1150, 98.75F);
    passed(6, 35, 1100, 99.5F);
    show();
    race(2, {{35, 0}, {9, 1100}});  // key 0, as never-written rows hold
    show();
    host.failOverlay = true;  // skipped silently
    EXPECT_NO_THROW(show());
    EXPECT_EQ(host.texts, (Texts{"V - 00:01:250\rH - 00:00:500", "\rH - 00:00:500"}));
    EXPECT_TRUE(host.line.messages().empty());
}

TEST_F(Gaps, TheRowAfterTheLastCarIsReadAsItStands) {
    race(2, {{7, 1200}, {35, 1150}});
    passed(5, 7, 1150, 99.0F);
    show();  // row 2 was never written: no behind line, the ahead line keeps its CR
    EXPECT_EQ(host.texts, Texts{"V - 00:01:000\r"});

    race(2, {{7, 1200}, {35, 1150}, {12, 1140, 101.0F}});  // a car left from a larger field
    passed(8, 35, 1140, 99.5F);
    show();
    EXPECT_EQ(host.texts.back(), "V - 00:01:000\rH - 00:01:500");
}

TEST_F(Gaps, NoLineWithoutAPassageForAZeroGapOrForAnUnknownId) {
    race(3, {{7, 1200}, {35, 1150}});
    show();  // nobody passed our node yet
    passed(3, 7, 1150, 100.0F);
    show();  // the car ahead passed it at this very instant
    EXPECT_TRUE(host.texts.empty());

    passed(2, 7, 1150, 90.0F);
    for (const char* id : {"99", "Max", "40000"}) {  // not in the standings, not a number, too big
        host.lblMeineID().setCaption(id);
        show();
    }
    EXPECT_TRUE(host.texts.empty());
}

// An older lap of a repeated race, lower in the ring, wins; the search stops
// after row playerCount.
TEST_F(Gaps, TheLowestLogRowWinsAndTheSearchStopsAfterRowPlayerCount) {
    race(1, {{7, 1200}, {8, 1190}, {35, 1150}});
    passed(900, 8, 1150, 99.0F);
    passed(40, 8, 1150, 60.0F);
    show();
    EXPECT_TRUE(host.texts.empty());
    state.playerCount = 2;
    show();
    EXPECT_EQ(host.texts, Texts{"V - 00:40:000\r"});
}

// Between the nearest passages either side (at most 64 nodes away, each key at its
// lowest row) the moment goes by nodes; an older race (rows 900 on) makes no pair
// with the newer one (rows 10 on), in either order.
TEST_F(Gaps, ANodeTheCarSkippedIsPassedBetweenItsNeighbouringPassages) {
    using Case = std::pair<std::vector<Car>, std::string>;
    for (const auto& [passages, text] :
         {Case{{{7, 1086, 98.0F}, {7, 1151, 98.4F}}, "V - 00:01:606\r"},
          Case{{{7, 1085, 98.0F}, {7, 1151, 98.4F}}, ""},
          Case{{{7, 1148, 99.0F}, {7, 1151, 40.3F}}, ""},
          Case{{{7, 1149, 40.0F}, {7, 1151, 99.3F}}, ""},
          Case{{{7, 1149, 40.0F}, {7, 1151, 99.3F}, {7, 1149, 99.1F}}, "V - 00:00:800\r"}}) {
        race(2, {{7, 1200}, {35, 1150}});
        for (std::size_t i = 0; i < 3; ++i) {
            const Car car = i < passages.size() ? passages[i] : Car{0, 0, 0.0F};
            passed(900 + static_cast<int>(i), car.time < 50.0F ? car.plid : 0, car.key, car.time);
            passed(10 + static_cast<int>(i), car.time < 50.0F ? 0 : car.plid, car.key, car.time);
        }
        host.clearRecords();
        show();
        EXPECT_EQ(host.texts.empty() ? "" : host.texts[0], text);
    }
}

// Two cars first seen on one node at one moment: the one whose pace brought it there
// first is ahead, whichever order the standings give. Car 7 came from 1147 and we
// from 1149 (0.1 s before), so we entered at 99.95 s and car 7 at 99.983 s.
TEST_F(Gaps, OfTwoCarsOnOneNodeTheOneThatEnteredFirstIsAhead) {
    // Car 7 and we reach 1150 at 100 s, 0.1 s after passing these nodes.
    const auto arrive = [this](int aheadFrom, int ownFrom) {
        passed(10, 7, aheadFrom, 99.9F);
        passed(11, 35, ownFrom, 99.9F);
        passed(12, 7, 1150, 100.0F);
        passed(13, 35, 1150, 100.0F);
        host.clearRecords();
        show();
    };
    for (const bool weStandFirst : {false, true}) {
        if (weStandFirst) {
            race(3, {{35, 1150}, {7, 1150}, {9, 1100}});
        } else {
            race(3, {{7, 1150}, {35, 1150}, {9, 1100}});
        }
        arrive(1147, 1149);
        EXPECT_EQ(host.texts, Texts{"\rH - 00:00:033"});
    }
    passed(14, 35, 1100, 94.0F);  // over 5 s before: no pace measured from it
    arrive(1149, 1147);           // now car 7 was ahead before, and the car behind is 9
    EXPECT_EQ(host.texts, Texts{"V - 00:00:033\rH - 00:06:000"});
}

// The same over the end of a 400-node lap: car 7 came 3 nodes (from 398), we 5 (from
// 396), so car 7 entered node 1 at 0.083 s and we at 0.09 s into the 0.1 s between.
TEST_F(Gaps, OfTwoCarsOnOneNodeAfterALapsEndTheOneThatEnteredFirstIsAhead) {
    for (const auto& [ahead, own] : {std::pair{398, 396}, {1, 1}}) {
        clock.advance(0.1);
        dispatch(support::mciPacket(
            2, 0, 150,
            {{35, static_cast<std::uint16_t>(own), 1}, {7, static_cast<std::uint16_t>(ahead), 1}},
            400));
    }
    EXPECT_EQ(host.texts, Texts{"V - 00:00:007\r"});
}

// Late in the day over the end of a 400-node lap: car 7 goes 397, 1001, 1005, 1009,
// 1012 (skipping 398, 399, 1000), we go 390, 394, 399, 1002, 1005; car 7 passed
// 399 at 86000.15 s, 1002 at 86000.225 s and 1005 at 86000.3 s.
TEST_F(Gaps, SkippedNodesAcrossTheEndOfALapLateInTheDay) {
    clock.advance(50000.0);
    using Nodes = std::pair<std::uint16_t, std::uint16_t>;
    for (const auto& [ahead, own] : {Nodes{397, 390}, {1, 394}, {5, 399}, {9, 2}, {12, 5}}) {
        clock.advance(0.1);
        dispatch(support::mciPacket(2, 0, 150, {{7, ahead, 1}, {35, own, 1}}, 400));
    }
    EXPECT_EQ(host.texts, (Texts{"V - 00:00:150\r", "V - 00:00:175\r", "V - 00:00:200\r"}));
}

}  // namespace
}  // namespace rennlupe::insim
