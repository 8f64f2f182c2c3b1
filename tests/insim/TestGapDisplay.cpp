#include "insim/formatGap.h"
#include "insim/GapDisplay.h"

#include "insim/DispatchFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace rennlupe::insim {
namespace {

using bits::Value;

TEST(FormatGap, ShowsMinutesSecondsAndThousandths) {
    EXPECT_EQ(formatGap(1.234F), "00:01:234");
    EXPECT_EQ(formatGap(75.05F), "01:15:050");
    EXPECT_EQ(formatGap(3725.0F), "02:05:000");  // hours are not shown
    EXPECT_EQ(formatGap(0.0004F), "00:00:000");
}

TEST(FormatGap, RoundsToMillisecondsBeforeSplitting) {
    EXPECT_EQ(formatGap(1.9996F), "00:02:000");
    EXPECT_EQ(formatGap(59.9999F), "01:00:000");
    EXPECT_EQ(formatGap(0.0625F), "00:00:063");  // an exact half goes away from zero
}

TEST(FormatGap, NegativeGaps) {
    EXPECT_EQ(formatGap(-1.5F), "-00:01:500");
    EXPECT_EQ(formatGap(-0.0004F), "00:00:000");   // rounded before the sign is taken
    EXPECT_EQ(formatGap(-86399.5F), "00:00:500");  // recorded either side of midnight
    EXPECT_EQ(formatGap(std::numeric_limits<float>::infinity()), "00:00:000");
    EXPECT_EQ(formatGap(-3e38F).front(), '-');
}

class Gaps : public ::testing::Test, protected DispatchFixture {
protected:
    void standing(std::size_t row, int plid, int key, float time) {
        auto& r = state.standings()[row];
        r[RaceState::kPlid] = Value::ofInt16(static_cast<std::int16_t>(plid));
        r[RaceState::kNodeKey] = Value::ofInt16(static_cast<std::int16_t>(key));
        r[RaceState::kNodeTime] = Value::ofSingle(time);
    }
    void passed(int row, int plid, int key, float time) {
        state.writeLogRow(static_cast<std::int16_t>(row), static_cast<std::int16_t>(plid),
                          static_cast<std::int16_t>(key), time, 1);
    }
    void show() { dispatcher.gapDisplay().ShowGapsInDX(); }
};

TEST_F(Gaps, AheadAndBehindAreMeasuredWhereTheLaterCarIsNow) {
    state.playerCount = 3;
    standing(0, 7, 1200, 100.0F);
    standing(1, 35, 1150, 100.0F);
    standing(2, 9, 1100, 100.0F);
    passed(5, 7, 1150, 98.75F);  // the car ahead passed our node 1.25 s ago
    passed(6, 35, 1100, 99.5F);  // we passed the node of the car behind 0.5 s ago
    show();
    EXPECT_EQ(host.texts, std::vector<std::string>{"V - 00:01:250\rH - 00:00:500"});
}

TEST_F(Gaps, TheLeaderGetsOnlyTheBehindLine) {
    state.playerCount = 2;
    standing(0, 35, 0, 100.0F);  // key 0, as never-written rows hold
    standing(1, 9, 1100, 100.0F);
    passed(6, 35, 1100, 98.0F);
    show();
    EXPECT_EQ(host.texts, std::vector<std::string>{"\rH - 00:02:000"});
}

TEST_F(Gaps, TheRowAfterTheLastCarIsReadAsItStands) {
    state.playerCount = 2;
    standing(0, 7, 1200, 100.0F);
    standing(1, 35, 1150, 100.0F);
    passed(5, 7, 1150, 99.0F);
    show();  // row 2 was never written: no behind line, the ahead line keeps its CR
    EXPECT_EQ(host.texts, std::vector<std::string>{"V - 00:01:000\r"});

    standing(2, 12, 1140, 101.0F);  // a car left over from a larger field
    passed(8, 35, 1140, 99.5F);
    show();
    EXPECT_EQ(host.texts.back(), "V - 00:01:000\rH - 00:01:500");
}

TEST_F(Gaps, NoLineWithoutAPassageOrForAZeroGap) {
    state.playerCount = 3;
    standing(0, 7, 1200, 100.0F);
    standing(1, 35, 1150, 100.0F);
    show();  // nobody passed our node yet
    passed(3, 7, 1150, 100.0F);
    show();  // the car ahead passed it at this very instant
    EXPECT_TRUE(host.texts.empty());

    host.lblMeineID().setCaption("99");  // not in the standings
    passed(2, 7, 1150, 90.0F);
    show();
    host.lblMeineID().setCaption("Max");  // not a number: the steps are skipped
    show();
    host.lblMeineID().setCaption("40000");  // not a 16-bit id
    show();
    EXPECT_TRUE(host.texts.empty());
}

TEST_F(Gaps, TheLowestLogRowWinsEvenWhenOlder) {
    state.playerCount = 2;
    standing(0, 7, 1200, 100.0F);
    standing(1, 35, 1150, 100.0F);
    passed(900, 7, 1150, 99.0F);
    passed(40, 7, 1150, 60.0F);  // an older lap of a repeated race, lower in the ring
    show();
    EXPECT_EQ(host.texts, std::vector<std::string>{"V - 00:40:000\r"});
}

TEST_F(Gaps, TheSearchStopsAfterRowPlayerCount) {
    state.playerCount = 1;
    standing(0, 7, 1200, 100.0F);
    standing(1, 8, 1190, 100.0F);
    standing(2, 35, 1150, 100.0F);
    passed(5, 8, 1150, 99.0F);
    show();
    EXPECT_TRUE(host.texts.empty());
    state.playerCount = 2;
    show();
    EXPECT_EQ(host.texts, std::vector<std::string>{"V - 00:01:000\r"});
}

TEST_F(Gaps, AFailingOverlayIsSkippedSilently) {
    state.playerCount = 1;
    standing(0, 7, 1200, 100.0F);
    standing(1, 35, 1150, 100.0F);
    passed(5, 7, 1150, 99.0F);
    host.failOverlay = true;
    EXPECT_NO_THROW(show());
    EXPECT_TRUE(host.texts.empty());
    EXPECT_TRUE(host.line.messages().empty());
}

}  // namespace
}  // namespace rennlupe::insim
