#include "bits/IndexOutOfRange.h"
#include "bits/Overflow.h"
#include "bits/TypeMismatch.h"
#include "insim/DispatchFixture.h"
#include "support/makePackets.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rennlupe::insim {
namespace {

using support::CarFields;
using support::mciPacket;
using support::nplPacket;
using support::RecordingSender;
using support::staPacket;
using support::verPacket;
using Packets = std::vector<RecordingSender::Packet>;

class Dispatcher : public ::testing::Test, protected DispatchFixture {};

TEST_F(Dispatcher, VerWhileConnectingMakesTheLinkLive) {
    host.cmdConnect().setCaption("Cancel");
    dispatch(verPacket("AB", "1.2"));
    EXPECT_EQ(host.line.current(), "Connected to LFS AB 1.2");
    EXPECT_EQ(host.cmdConnect().caption(), "Disconnect");
    EXPECT_TRUE(host.txtSend().enabled());
    EXPECT_TRUE(host.cmdSend().enabled());
    EXPECT_EQ(host.sender.packets(), (Packets{{"NLI", 10, 0, 0}, {"SSG", 10, 0, 0}}));
}

TEST_F(Dispatcher, VerInAnyOtherStateOnlyAsks) {
    for (const char* caption : {"Disconnect", "Connect"}) {
        host.cmdConnect().setCaption(caption);
        dispatch(verPacket("AB", "1.2"));
        EXPECT_EQ(host.line.current(), "VER packet received?");
        EXPECT_EQ(host.cmdConnect().caption(), caption);
    }
    EXPECT_FALSE(host.txtSend().enabled());
    EXPECT_TRUE(host.sender.packets().empty());
}

TEST_F(Dispatcher, StaFillsTheRaceInformationAndAsksForEachPlayer) {
    state.nodeLogNext = 77;
    dispatch(staPacket({.inGameCam = 3,
                        .viewPlayer = 2,
                        .numPlayers = 3,
                        .raceInProgress = 1,
                        .qualMins = 4,
                        .laps = 5,
                        .track = "BL1",
                        .weather = 6,
                        .wind = 7}));
    EXPECT_EQ(host.List1().items(),
              (std::vector<std::string>{"InGameCam -->  3", "QualMins -->  4",
                                        "RaceInProgress -->  1", "Strecke -->  BL1",
                                        "Fahrerzahl -->  3", "Wetter -->  6", "Wind -->  7"}));
    EXPECT_EQ(host.lblLap().caption(), "5");
    EXPECT_EQ(host.Label3().caption(), "1");
    EXPECT_EQ(state.playerCount, 3);
    EXPECT_EQ(state.nodeLogNext, 0);
    EXPECT_EQ(host.sender.packets(),
              (Packets{{"NPL", 0, 0, 0}, {"NPL", 1, 0, 0}, {"NPL", 2, 0, 0}}));
    // Before any NPL the player table holds its initial texts.
    EXPECT_EQ(host.lblGezeigterFahrer().caption(), "2-AA");
    EXPECT_EQ(host.lblMeineID().caption(), "0");

    dispatch(staPacket({.numPlayers = 0}));
    EXPECT_EQ(host.List1().items().size(), 7U);
    EXPECT_EQ(host.sender.packets().size(), 3U);

    // No cap on the requests: one per reported player.
    dispatch(staPacket({.numPlayers = 40}));
    EXPECT_EQ(host.sender.packets().size(), 43U);
    EXPECT_EQ(host.sender.packets().back(), (RecordingSender::Packet{"NPL", 39, 0, 0}));
}

TEST_F(Dispatcher, NplFillsThePlayerTableThatStaReads) {
    dispatch(nplPacket(4, 17, "^1Max", "Team^s1"));
    EXPECT_EQ(host.lblUID()[4].caption(), "17");
    EXPECT_EQ(host.lblFahrer()[4].caption(), "Max (Team/1)");
    dispatch(staPacket({.viewPlayer = 4, .numPlayers = 5}));
    EXPECT_EQ(host.lblGezeigterFahrer().caption(), "4-Max (Team/1)");
    EXPECT_EQ(host.lblMeineID().caption(), "17");
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
    EXPECT_EQ(host.List1().items().size(), 7U);  // steps up to the reset of the log are done
    EXPECT_EQ(host.lblLap().caption(), "9");
    EXPECT_EQ(host.sender.packets().size(), 2U);
    EXPECT_EQ(state.nodeLogNext, 0);
    EXPECT_EQ(host.lblGezeigterFahrer().caption(), "AA");
    EXPECT_EQ(host.lblMeineID().caption(), "35");
}

TEST_F(Dispatcher, MciWritesStandingsAndLogWithNodeKeys) {
    dispatch(mciPacket(3, 0, 300,
                       {{.plid = 1, .node = 5, .lap = 2, .flags = 0xE0},
                        {.plid = 2, .node = 310, .lap = 2},
                        {.plid = 3, .node = 400, .lap = 0}}));
    EXPECT_EQ(host.cmdStartRaceTracker().caption(), "Racetracker läuft");
    EXPECT_EQ(host.lblStreckennodes().caption(), "600");
    EXPECT_EQ(state.playerCount, 3);
    EXPECT_EQ(state.nodeLogNext, 8);  // every record advances the log, empty ones too
    // Sorted: 2005, 1310, then the 21 empty rows (0), then -600.
    EXPECT_EQ(key(0), 2005);
    EXPECT_EQ(key(1), 1310);
    EXPECT_EQ(plid(0), 1);
    EXPECT_EQ(plid(1), 2);
    EXPECT_EQ(key(23), -600);
    EXPECT_EQ(plid(23), 3);
    // nodeTime and lap stay in the row they were written to.
    EXPECT_EQ(state.standings()[2][RaceState::kLap], bits::Value::ofInt16(0));
    EXPECT_EQ(state.standings()[2][RaceState::kNodeTime], bits::Value::ofSingle(36000.0F));
    const auto& log = state.nodeLog();
    EXPECT_EQ(log[1][RaceState::kNodeKey], bits::Value::ofInt16(2005));
    EXPECT_EQ(log[2][RaceState::kPlid], bits::Value::ofInt16(2));
    EXPECT_EQ(log[3][RaceState::kNodeKey], bits::Value::ofInt16(-600));
    EXPECT_TRUE(log[4][RaceState::kPlid].isEmpty());
}

TEST_F(Dispatcher, OnlyTheLastPacketOfASetSortsAndShowsGaps) {
    std::vector<CarFields> eight(8);
    for (std::uint8_t k = 0; k < 8; ++k) {
        eight[k] = {.plid = static_cast<std::uint8_t>(k + 1), .node = k, .lap = 1};
    }
    dispatch(mciPacket(9, 0, 500, eight));
    EXPECT_EQ(host.pumpCalls, 0);
    EXPECT_EQ(key(0), 1000);  // not sorted yet
    dispatch(mciPacket(9, 8, 500, {{.plid = 9, .node = 50, .lap = 1}}));
    EXPECT_EQ(host.pumpCalls, 1);
    EXPECT_EQ(key(0), 1050);
    EXPECT_EQ(plid(0), 9);

    // A packet for the second group of a five-car field writes rows 8 to 15 and sorts nothing.
    dispatch(mciPacket(5, 8, 500, {{.plid = 20, .node = 400, .lap = 3}}));
    EXPECT_EQ(host.pumpCalls, 1);
    EXPECT_EQ(plid(8), 20);

    // Unticked: the sort still runs, the gap display and the pump do not.
    host.Check1().setValue(controls::CheckBox::kUnchecked);
    dispatch(mciPacket(5, 0, 500, {{.plid = 30, .node = 10, .lap = 4}}));
    EXPECT_EQ(plid(0), 30);
    EXPECT_EQ(host.pumpCalls, 1);
}

TEST_F(Dispatcher, MciOverflowOfTheTrackFieldsLeavesOnlyTheCaption) {
    auto bytes = mciPacket(3, 0, 300, {{.plid = 1, .node = 5, .lap = 2}}, 0x8001);
    EXPECT_THROW(dispatch(bytes), bits::Overflow);
    EXPECT_EQ(host.cmdStartRaceTracker().caption(), "Racetracker läuft");
    EXPECT_EQ(host.lblStreckennodes().caption(), "Label1");
    EXPECT_EQ(state.playerCount, 0);
    EXPECT_EQ(state.nodeLogNext, 0);

    EXPECT_THROW(dispatch(mciPacket(3, 0, 0xC000, {{.plid = 1, .node = 5, .lap = 2}})),
                 bits::Overflow);
    EXPECT_EQ(host.lblStreckennodes().caption(), "Label1");
}

TEST_F(Dispatcher, AnUnknownFirstCarEndsAtTheFirstRealRecord) {
    EXPECT_THROW(dispatch(mciPacket(3, 5, 300, {{}, {}, {.plid = 4, .node = 5, .lap = 1}})),
                 bits::IndexOutOfRange);
    EXPECT_EQ(state.nodeLogNext, 3);
    EXPECT_TRUE(state.nodeLog()[3][RaceState::kPlid].isEmpty());
    for (std::size_t row = 0; row < RaceState::kStandingsRows; ++row) {
        EXPECT_TRUE(state.standings()[row][RaceState::kPlid].isEmpty());
    }
    EXPECT_EQ(host.pumpCalls, 0);
}

TEST_F(Dispatcher, ANodeKeyPast32767EndsAtThatCar) {
    EXPECT_THROW(dispatch(mciPacket(3, 0, 900,
                                    {{.plid = 1, .node = 10, .lap = 32},
                                     {.plid = 2, .node = 767, .lap = 32},
                                     {.plid = 3, .node = 768, .lap = 32}})),
                 bits::Overflow);
    EXPECT_EQ(key(0), 32010);  // written, but no sort followed
    EXPECT_EQ(key(1), 32767);
    EXPECT_TRUE(state.standings()[2][RaceState::kPlid].isEmpty());
    EXPECT_EQ(state.nodeLogNext, 3);
    EXPECT_THROW(dispatch(mciPacket(1, 0, 900, {{.plid = 1, .node = 0, .lap = 33}})),
                 bits::Overflow);
}

TEST_F(Dispatcher, TheViewedCarsNodeShowsAndAnUnreadableIdEndsTheHandling) {
    dispatch(mciPacket(2, 0, 900,
                       {{.plid = 7, .node = 5, .lap = 1}, {.plid = 35, .node = 444, .lap = 1}}));
    EXPECT_EQ(host.Label5().caption(), "444");

    host.lblMeineID().setCaption("Max");
    EXPECT_THROW(
        dispatch(mciPacket(2, 0, 900, {{}, {.plid = 8, .node = 1, .lap = 2}, {.plid = 9}})),
        bits::TypeMismatch);
    EXPECT_EQ(plid(1), 8);  // both rows of that car are written
    EXPECT_EQ(state.nodeLog()[10][RaceState::kPlid], bits::Value::ofInt16(8));
    EXPECT_EQ(state.nodeLogNext, 10);
}

TEST_F(Dispatcher, TheRingSkipsRowsPast19998) {
    state.nodeLogNext = 19997;
    dispatch(mciPacket(3, 0, 900,
                       {{.plid = 1, .node = 1, .lap = 1},
                        {.plid = 2, .node = 2, .lap = 1},
                        {.plid = 3, .node = 3, .lap = 1}}));
    EXPECT_EQ(state.nodeLog()[19998][RaceState::kPlid], bits::Value::ofInt16(1));
    EXPECT_EQ(state.nodeLog()[1][RaceState::kPlid], bits::Value::ofInt16(2));
    EXPECT_EQ(state.nodeLog()[2][RaceState::kPlid], bits::Value::ofInt16(3));
    EXPECT_TRUE(state.nodeLog()[19999][RaceState::kPlid].isEmpty());
    EXPECT_EQ(state.nodeLogNext, 7);

    // A packet of empty records only moves the ring on.
    dispatch(mciPacket(3, 0, 900, {}));
    EXPECT_EQ(state.nodeLogNext, 15);
    EXPECT_TRUE(state.nodeLog()[8][RaceState::kPlid].isEmpty());
}

TEST_F(Dispatcher, ShiftPictureFollowsTheShiftLight) {
    // Gauge packets begin with a time stamp; byte 8 holds lamp flags.
    auto gauge = [](std::uint8_t flags) {
        std::vector<std::uint8_t> bytes(96, 0);
        bytes[0] = 0x10;
        bytes[1] = 0x27;
        bytes[8] = flags;
        return bytes;
    };
    for (const int flags : {1, 17, 33}) {
        dispatch(gauge(static_cast<std::uint8_t>(flags)));
        EXPECT_EQ(host.calls.back(), "GrafikInDXZeigen:schalten.jpg") << flags;
    }
    for (const int flags : {0, 2, 32}) {
        dispatch(gauge(static_cast<std::uint8_t>(flags)));
        EXPECT_EQ(host.calls.back(), "GrafikInDXVerbergen:schalten.jpg") << flags;
    }
    // Reports of the protocol that the program does not know keep the exact rule.
    auto report = support::packetOf("XYZ", 96);
    dispatch(report);
    EXPECT_EQ(host.calls.back(), "GrafikInDXVerbergen:schalten.jpg");
    report[8] = 17;
    dispatch(report);
    EXPECT_EQ(host.calls.back(), "GrafikInDXVerbergen:schalten.jpg");
    report[8] = 1;
    dispatch(report);
    EXPECT_EQ(host.calls.back(), "GrafikInDXZeigen:schalten.jpg");
    dispatch(std::vector<std::uint8_t>(1025, 0));
    EXPECT_EQ(host.calls.back(), "GrafikInDXVerbergen:schalten.jpg");
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
    dispatcher.DispatchPacket(huge, 3999);
    EXPECT_EQ(host.calls.back(), "GrafikInDXZeigen:schalten.jpg");
    dispatcher.DispatchPacket(huge, -1);  // nothing copied: an all-zero gauge packet
    EXPECT_EQ(host.calls.back(), "GrafikInDXVerbergen:schalten.jpg");
    dispatcher.DispatchPacket(huge, 7);  // byte 8 lies past the copy
    EXPECT_EQ(host.calls.back(), "GrafikInDXVerbergen:schalten.jpg");
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
    EXPECT_EQ(waiting, 0);
    EXPECT_EQ(host.pumpCalls, 1);
    EXPECT_EQ(host.deepestPump, 1);
    EXPECT_EQ(state.nodeLogNext, 12);  // 5001 sets of 8 records around a ring of 19998

    dispatch(set);  // once the pump has returned, the next set pumps again
    EXPECT_EQ(host.pumpCalls, 2);
}

}  // namespace
}  // namespace rennlupe::insim
