#include "bits/IndexOutOfRange.h"
#include "bits/Overflow.h"
#include "bits/TypeMismatch.h"
#include "insim/DispatchFixture.h"
#include "support/makePackets.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::insim {
namespace {

using bits::Value;
using support::mciPacket;
using support::nplPacket;
using support::staPacket;
using support::verPacket;
using Packets = std::vector<support::RecordingDispatchHost::Packet>;
using Texts = std::vector<std::string>;

class Dispatcher : public ::testing::Test, protected DispatchFixture {
protected:
    const Value& logged(std::size_t row, std::int16_t column) const {
        return state.nodeLog()[row][static_cast<std::size_t>(column)];
    }
    // What STA writes to the main window, in the order it writes it.
    Texts staCaptions() {
        return {host.lblLap().caption(), host.Label3().caption(),
                host.lblGezeigterFahrer().caption(), host.lblMeineID().caption()};
    }
};

TEST_F(Dispatcher, VerWhileConnectingMakesTheLinkLiveAndOtherwiseOnlyAsks) {
    for (const char* caption : {"Disconnect", "Connect"}) {
        host.cmdConnect().setCaption(caption);
        dispatch(verPacket("AB", "1.2"));
        EXPECT_EQ(host.line.current(), "VER packet received?");
        EXPECT_EQ(host.cmdConnect().caption(), caption);
    }
    EXPECT_FALSE(host.txtSend().enabled());
    EXPECT_TRUE(host.sent.empty());

    host.cmdConnect().setCaption("Cancel");
    dispatch(verPacket("AB", "1.2"));
    EXPECT_EQ(host.line.current(), "Connected to LFS AB 1.2");
    EXPECT_EQ(host.cmdConnect().caption(), "Disconnect");
    EXPECT_TRUE(host.txtSend().enabled());
    EXPECT_TRUE(host.cmdSend().enabled());
    EXPECT_EQ(host.sent, (Packets{{"NLI", 10, 0, 0}, {"SSG", 10, 0, 0}}));
    dispatch(staPacket({.numPlayers = 3}));
    EXPECT_EQ(host.calls, (Texts{"linkUp:AB 1.2", "carsKnown:3"}));
}

TEST_F(Dispatcher, StaFillsTheRaceInformationAndAsksForEachPlayer) {
    state.nodeLogNext = 77;
    dispatch(staPacket({3, 2, 3, 1, 4, 5, "BL1", 6, 7}));
    EXPECT_EQ(host.List1().items(),
              (Texts{"InGameCam -->  3", "QualMins -->  4", "RaceInProgress -->  1",
                     "Strecke -->  BL1", "Fahrerzahl -->  3", "Wetter -->  6", "Wind -->  7"}));
    EXPECT_EQ(std::tuple(state.playerCount, state.nodeLogNext), std::tuple(3, 0));
    EXPECT_EQ(host.sent, (Packets{{"NPL", 0, 0, 0}, {"NPL", 1, 0, 0}, {"NPL", 2, 0, 0}}));
    // Before any NPL the player table holds its initial texts.
    EXPECT_EQ(staCaptions(), (Texts{"5", "1", "2-AA", "0"}));

    dispatch(staPacket({.numPlayers = 40}));  // no cap: one request per reported player
    EXPECT_EQ(host.List1().items().size(), 7U);
    EXPECT_EQ(host.sent.size(), 43U);
    EXPECT_EQ(host.sent.back(), (support::RecordingDispatchHost::Packet{"NPL", 39, 0, 0}));

    dispatch(nplPacket(4, 17, "^1Max", "Team^s1"));
    EXPECT_EQ(host.lblUID()[4].caption(), "17");
    EXPECT_EQ(host.lblFahrer()[4].caption(), "Max (Team/1)");
    dispatch(staPacket({.viewPlayer = 4, .numPlayers = 5, .laps = 2}));
    EXPECT_EQ(staCaptions(), (Texts{"2", "1", "4-Max (Team/1)", "17"}));
}

TEST_F(Dispatcher, PlayerNumbersPastTheTableEndTheHandling) {
    host.lngTimer() = 50;
    EXPECT_THROW(dispatch(nplPacket(20, 17, "Max", "Team")), bits::IndexOutOfRange);
    EXPECT_EQ(host.lngTimer(), 0);
    for (const auto& label : host.lblUID()) {
        EXPECT_EQ(label.caption(), "0");
    }

    state.nodeLogNext = 12;
    EXPECT_THROW(dispatch(staPacket({.viewPlayer = 20, .numPlayers = 2, .laps = 9})),
                 bits::IndexOutOfRange);
    // The steps up to the reset of the log are done.
    EXPECT_EQ(host.List1().items().size(), 7U);
    EXPECT_EQ(host.sent.size(), 2U);
    EXPECT_EQ(state.nodeLogNext, 0);
    EXPECT_EQ(staCaptions(), (Texts{"9", "1", "AA", "35"}));
}

TEST_F(Dispatcher, MciWritesStandingsAndLogWithNodeKeys) {
    dispatch(mciPacket(3, 0, 300,
                       {{.plid = 1, .node = 5, .lap = 2, .flags = 0xE0},
                        {.plid = 2, .node = 310, .lap = 2},
                        {.plid = 3, .node = 400, .lap = 0}}));
    EXPECT_EQ(host.cmdStartRaceTracker().caption(), "Racetracker läuft");
    EXPECT_EQ(host.lblStreckennodes().caption(), "600");
    // Every record advances the log, empty ones too. Sorted: 2005, 1310, the
    // 21 empty rows (0), then -600; nodeTime and lap stay where written.
    EXPECT_EQ(std::tuple(state.playerCount, state.nodeLogNext), std::tuple(3, 8));
    EXPECT_EQ(std::tuple(key(0), plid(0), key(1), plid(1), key(23), plid(23)),
              std::tuple(2005, 1, 1310, 2, -600, 3));
    EXPECT_EQ(state.standings()[2][RaceState::kLap], Value::ofInt16(0));
    EXPECT_EQ(state.standings()[2][RaceState::kNodeTime], Value::ofDouble(36000.0));
    EXPECT_EQ(logged(1, RaceState::kNodeKey), Value::ofInt16(2005));
    EXPECT_EQ(logged(2, RaceState::kPlid), Value::ofInt16(2));
    EXPECT_EQ(logged(3, RaceState::kNodeKey), Value::ofInt16(-600));
    EXPECT_TRUE(logged(4, RaceState::kPlid).isEmpty());
}

TEST_F(Dispatcher, OnlyTheLastPacketOfASetSortsAndShowsGaps) {
    std::vector<support::CarFields> eight(8);
    for (std::uint8_t k = 0; k < 8; ++k) {
        eight[k] = {.plid = static_cast<std::uint8_t>(k + 1), .node = k, .lap = 1};
    }
    dispatch(mciPacket(9, 0, 500, eight));
    EXPECT_EQ(std::tuple(host.pumpCalls, key(0)), std::tuple(0, 1000));  // not sorted yet
    dispatch(mciPacket(9, 8, 500, {{.plid = 9, .node = 50, .lap = 1}}));
    EXPECT_EQ(std::tuple(host.pumpCalls, key(0), plid(0)), std::tuple(1, 1050, 9));

    // The second group of a five-car field writes rows 8 to 15 and sorts nothing.
    dispatch(mciPacket(5, 8, 500, {{.plid = 20, .node = 400, .lap = 3}}));
    EXPECT_EQ(std::tuple(host.pumpCalls, plid(8)), std::tuple(1, 20));

    // Unticked: the sort still runs, the gap display and the pump do not.
    host.Check1().setValue(controls::CheckBox::kUnchecked);
    dispatch(mciPacket(5, 0, 500, {{.plid = 30, .node = 10, .lap = 4}}));
    EXPECT_EQ(std::tuple(host.pumpCalls, plid(0)), std::tuple(1, 30));
}

TEST_F(Dispatcher, MciOverflowOfTheTrackFieldsLeavesOnlyTheCaption) {
    EXPECT_THROW(dispatch(mciPacket(3, 0, 300, {{.plid = 1, .node = 5, .lap = 2}}, 0x8001)),
                 bits::Overflow);
    EXPECT_EQ(host.cmdStartRaceTracker().caption(), "Racetracker läuft");
    EXPECT_EQ(std::tuple(state.playerCount, state.nodeLogNext), std::tuple(0, 0));
    EXPECT_THROW(dispatch(mciPacket(3, 0, 0xC000, {{.plid = 1, .node = 5, .lap = 2}})),
                 bits::Overflow);
    EXPECT_EQ(host.lblStreckennodes().caption(), "Label1");
}

// A failing car ends the handling there: the rows before it are written and
// nothing is sorted or pumped.
TEST_F(Dispatcher, AFailingCarEndsTheHandlingAtThatCar) {
    EXPECT_THROW(dispatch(mciPacket(3, 5, 300, {{}, {}, {.plid = 4, .node = 5, .lap = 1}})),
                 bits::IndexOutOfRange);  // an unknown first car
    EXPECT_EQ(state.nodeLogNext, 3);
    EXPECT_TRUE(logged(3, RaceState::kPlid).isEmpty());
    for (std::size_t row = 0; row < RaceState::kStandingsRows; ++row) {
        EXPECT_TRUE(state.standings()[row][RaceState::kPlid].isEmpty());
    }

    EXPECT_THROW(dispatch(mciPacket(3, 0, 900,
                                    {{.plid = 1, .node = 10, .lap = 32},
                                     {.plid = 2, .node = 767, .lap = 32},
                                     {.plid = 3, .node = 768, .lap = 32}})),
                 bits::Overflow);  // a node key past 32767
    EXPECT_EQ(std::tuple(key(0), key(1), state.nodeLogNext), std::tuple(32010, 32767, 6));
    EXPECT_TRUE(state.standings()[2][RaceState::kPlid].isEmpty());
    EXPECT_THROW(dispatch(mciPacket(1, 0, 900, {{.plid = 1, .node = 0, .lap = 33}})),
                 bits::Overflow);
    EXPECT_EQ(host.pumpCalls, 0);

    // The viewed car's node shows; an id that is no number fails after both rows.
    dispatch(mciPacket(2, 0, 900,
                       {{.plid = 7, .node = 5, .lap = 1}, {.plid = 35, .node = 444, .lap = 1}}));
    EXPECT_EQ(host.Label5().caption(), "444");
    host.lblMeineID().setCaption("Max");
    EXPECT_THROW(
        dispatch(mciPacket(2, 0, 900, {{}, {.plid = 8, .node = 1, .lap = 2}, {.plid = 9}})),
        bits::TypeMismatch);
    EXPECT_EQ(plid(1), 8);
    EXPECT_EQ(logged(17, RaceState::kPlid), Value::ofInt16(8));
    EXPECT_EQ(state.nodeLogNext, 17);
}

TEST_F(Dispatcher, TheRingSkipsRowsPast19998) {
    state.nodeLogNext = 19997;
    dispatch(mciPacket(3, 0, 900,
                       {{.plid = 1, .node = 1, .lap = 1},
                        {.plid = 2, .node = 2, .lap = 1},
                        {.plid = 3, .node = 3, .lap = 1}}));
    EXPECT_EQ(logged(19998, RaceState::kPlid), Value::ofInt16(1));
    EXPECT_EQ(logged(1, RaceState::kPlid), Value::ofInt16(2));
    EXPECT_EQ(logged(2, RaceState::kPlid), Value::ofInt16(3));
    EXPECT_TRUE(logged(19999, RaceState::kPlid).isEmpty());
    EXPECT_EQ(state.nodeLogNext, 7);
    dispatch(mciPacket(3, 0, 900, {}));  // empty records only move the ring on
    EXPECT_EQ(state.nodeLogNext, 15);
    EXPECT_TRUE(logged(8, RaceState::kPlid).isEmpty());
}

// Gauge packets begin with a time stamp and keep lamp flags in byte 8; reports
// of the protocol the program does not know ("XYZ\0") need exactly 1.
TEST_F(Dispatcher, ShiftPictureFollowsTheShiftLight) {
    for (const auto& [id, flags, shown] :
         {std::tuple{"\x10\x27", 1, true}, std::tuple{"\x10\x27", 17, true},
          std::tuple{"\x10\x27", 33, true}, std::tuple{"\x10\x27", 0, false},
          std::tuple{"\x10\x27", 2, false}, std::tuple{"\x10\x27", 32, false},
          std::tuple{"XYZ", 0, false}, std::tuple{"XYZ", 17, false}, std::tuple{"XYZ", 1, true},
          std::tuple{"", 0, false}}) {
        auto gauge = support::packetOf(id, 96);
        gauge[8] = static_cast<std::uint8_t>(flags);
        dispatch(gauge);
        EXPECT_EQ(host.calls.back(),
                  shown ? "GrafikInDXZeigen:schalten.jpg" : "GrafikInDXVerbergen:schalten.jpg")
            << id << flags;
    }
}

TEST_F(Dispatcher, EveryDatagramResetsTheTimerAndAckClearsTheLine) {
    host.line.show("old");
    for (const auto& datagram : {support::packetOf("ACK", 8), support::packetOf("RST", 8),
                                 support::packetOf("sta", 8), std::vector<std::uint8_t>{}}) {
        host.lngTimer() = 99;
        dispatch(datagram);
        EXPECT_EQ(host.lngTimer(), 0);
    }
    EXPECT_EQ(host.line.messages()[1], "");
    EXPECT_EQ(host.calls.front(), "Neustart");
}

TEST_F(Dispatcher, CopiesNoMoreThanTheCallerHas) {
    const std::vector<std::uint8_t> sta = {'S', 'T', 'A'};
    dispatcher.DispatchPacket(sta, 1024);  // a short array with a long length
    EXPECT_EQ(host.List1().items().size(), 7U);
    EXPECT_EQ(host.List1().items()[3], "Strecke -->  ");

    std::vector<std::uint8_t> huge(4000, 0);
    huge[8] = 1;
    for (const auto& [length, shown] : {std::pair{3999, true}, {-1, false}, {7, false}}) {
        dispatcher.DispatchPacket(huge, length);  // -1 copies nothing; 7 stops before byte 8
        EXPECT_EQ(host.calls.back(),
                  shown ? "GrafikInDXZeigen:schalten.jpg" : "GrafikInDXVerbergen:schalten.jpg")
            << length;
    }
}

TEST_F(Dispatcher, ThePumpNeverNestsUnderAStreamOfCompleteSets) {
    const auto set = mciPacket(1, 0, 900, {{.plid = 35, .node = 5, .lap = 1}});
    int waiting = 5000;
    host.onPump = [&] {
        while (waiting > 0) {  // each delivered set completes and would pump again
            --waiting;
            dispatch(set);
        }
    };
    dispatch(set);
    EXPECT_EQ(std::tuple(waiting, host.pumpCalls, host.deepestPump), std::tuple(0, 1, 1));
    EXPECT_EQ(state.nodeLogNext, 12);  // 5001 sets of 8 records around a ring of 19998
    dispatch(set);                     // once the pump has returned, the next set pumps again
    EXPECT_EQ(host.pumpCalls, 2);
}

}  // namespace
}  // namespace rennlupe::insim
