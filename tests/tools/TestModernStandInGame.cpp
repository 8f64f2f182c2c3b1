#include "insim-sim/ModernStandInGame.h"

#include "insim10/ButtonFunctions.h"
#include "insim10/ButtonStyle.h"
#include "insim10/GameText.h"
#include "insim10/IsBfn.h"
#include "insim10/IsBtn.h"
#include "insim10/IsiFlags.h"
#include "insim10/IsIsi.h"
#include "insim10/IsMst.h"
#include "insim10/IsMsx.h"
#include "insim10/PacketDecoder.h"
#include "insim10/TinyTypes.h"
#include "platform/eventloop/PollLoop.h"
#include "support/gameLoopbackAddress.h"
#include "support/runUntil.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace rennlupe::tools {
namespace {

using namespace insim10;

// Today's game in-process on port 29999 of the test's loopback address; the test plays
// the program, sending from one socket and receiving on another that its IS_ISI names.
class ModernStandInGameTest : public ::testing::Test {
protected:
    void start(SimOptions options) {
        options.bind = support::gameLoopbackAddress();
        options.port = 29999;
        m_game = std::make_unique<ModernStandInGame>(m_loop, options, m_out);
        ASSERT_TRUE(m_game->open()) << m_out.str();
    }
    bool printed(const std::string& line) const {
        return ("\n" + m_out.str()).find("\n" + line) != std::string::npos;
    }
    template <typename Layout>
    void send(const Layout& packet) {
        m_sender.sendTo(m_game->local(), packet.bytes());
    }
    void handshake(std::uint16_t flags, std::string password = "", std::uint8_t reqI = 1) {
        send(IsIsi{reqI, m_receiver.address().port, flags, 10, 0, 100, std::move(password), "t"});
    }
    bool runUntil(const std::function<bool()>& done) {
        return support::runUntil(m_loop, [&] {
            while (auto datagram = m_receiver.receive(0)) {
                if (auto packet = PacketDecoder{}.decode(*datagram)) {
                    m_received.push_back(*packet);
                }
            }
            return done();
        });
    }
    // A tenth of a second of loop, to show that nothing (more) comes.
    void settle() {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
        runUntil([&] { return std::chrono::steady_clock::now() >= end; });
    }
    template <typename Layout>
    std::vector<Layout> all() const {
        std::vector<Layout> found;
        for (const auto& packet : m_received) {
            if (const auto* p = std::get_if<Layout>(&packet)) {
                found.push_back(*p);
            }
        }
        return found;
    }
    template <typename Layout>
    bool await(std::size_t n = 1) {
        return runUntil([&] { return all<Layout>().size() >= n; });
    }

    platform::PollLoop m_loop;
    std::ostringstream m_out;
    support::UdpPeer m_sender;
    support::UdpPeer m_receiver;
    std::vector<Packet> m_received;
    std::unique_ptr<ModernStandInGame> m_game;
};

class ModernHandshake : public ModernStandInGameTest, public ::testing::WithParamInterface<int> {};

TEST_P(ModernHandshake, AnswersVersionPlayersStateAndRaceWithTheirReqI) {
    start({.cars = 3, .laps = 7, .password = "pw", .insimVersion = GetParam()});
    handshake(0, "pw", 5);
    send(IsTiny{7, kTinyNpl});
    send(IsTiny{8, kTinySst});
    send(IsTiny{9, kTinyRst});
    ASSERT_TRUE(await<IsNpl>(3) && await<IsSta>() && await<IsRst>(2)) << m_out.str();
    const auto ver = all<IsVer>().at(0);
    EXPECT_EQ(std::tuple(ver.ReqI, ver.InSimVer, ver.Product[0], ver.Product[1]),
              std::tuple(5, GetParam(), 'S', '3'));
    const std::string from = support::gameLoopbackAddress() == "127.0.0.1" ? "127.0.0.1:" : "";
    EXPECT_TRUE(printed("link up from " + from)) << m_out.str();
    EXPECT_NE(m_out.str().find(
                  " replies to 127.0.0.1:" + std::to_string(m_receiver.address().port) + "\n"),
              std::string::npos);
    EXPECT_TRUE(printed("interval 100 ms, flags 0x0000"));

    std::vector<std::string> names;
    std::string pages;
    for (const auto& npl : all<IsNpl>()) {
        EXPECT_EQ(std::tuple(npl.ReqI, npl.PLID, npl.NumP), std::tuple(7, names.size() + 1, 3));
        names.push_back(decodeGameText(npl.PName));
        pages += std::string(npl.PName.begin(), npl.PName.begin() + 2);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Łukasz Nowak", "Дмитрий Орлов", "佐藤 健"}));
    EXPECT_EQ(pages, "^E^C^J");
    const auto sta = all<IsSta>().at(0);
    EXPECT_EQ(std::tuple(sta.ReqI, sta.ViewPLID, sta.NumP, sta.RaceInProg, sta.RaceLaps),
              std::tuple(8, 1, 3, 1, 7));
    // The race start comes by itself, then as the answer.
    const auto rst = all<IsRst>();
    EXPECT_EQ(std::tuple(rst[0].ReqI, rst[1].ReqI, rst[1].NumNodes, rst[1].Finish, rst[1].NumP),
              std::tuple(0, 9, 400, 150, 3));
    EXPECT_TRUE(m_sender.quiet()) << "nothing goes to the sending port";
}

INSTANTIATE_TEST_SUITE_P(InSimVersions, ModernHandshake, ::testing::Values(9, 10));

TEST_F(ModernStandInGameTest, AWrongPasswordGetsNothingAndReqIZeroNoVersion) {
    start({.password = "pw"});
    handshake(0, "nope", 1);
    ASSERT_TRUE(runUntil([&] { return printed("wrong password from "); }));
    handshake(0, "pw", 0);
    ASSERT_TRUE(await<IsRst>());
    EXPECT_TRUE(all<IsVer>().empty());
    EXPECT_EQ(m_received.size(), 1U);
}

// Pits, rejoins, leaves, view changes and keep-alives, each as a packet and a line.
TEST_F(ModernStandInGameTest, RaceEventsKeepAlivesAndMessages) {
    start({.cars = 6,
           .rate = 50,
           .pitEvery = 0.3,
           .leaveEvery = 0.4,
           .viewEvery = 0.25,
           .keepAliveEvery = 0.2});
    handshake(kIsfMci);
    send(IsTiny{0, kTinyNone});
    send(IsMst{encodeGameText("/echo Grüße aus Łódź")});
    send(IsMsx{encodeGameText("Дмитрий")});
    ASSERT_TRUE(runUntil([&] {
        return printed("rejoin ") && printed("leave ") && printed("view ") &&
               printed("keep-alive sent");
    })) << m_out.str();
    EXPECT_TRUE(printed("keep-alive answered"));
    EXPECT_TRUE(printed("message: /echo Grüße aus Łódź"));
    EXPECT_TRUE(printed("message: Дмитрий"));

    // Follow the packets: the viewed car never leaves, a pitted car is missing from the
    // positions until its new-player packet, a car that left for good.
    std::uint8_t viewed = 1;
    std::set<int> away;
    std::set<int> kinds;
    for (const auto& packet : m_received) {
        kinds.insert(static_cast<int>(packet.index()));
        if (const auto* sta = std::get_if<IsSta>(&packet)) {
            viewed = sta->ViewPLID;
        } else if (const auto* plp = std::get_if<IsPlp>(&packet)) {
            away.insert(plp->PLID);
        } else if (const auto* npl = std::get_if<IsNpl>(&packet)) {
            EXPECT_EQ(away.erase(npl->PLID), 1U);
        } else if (const auto* pll = std::get_if<IsPll>(&packet)) {
            EXPECT_NE(pll->PLID, viewed);
            away.insert(pll->PLID);
        } else if (const auto* mci = std::get_if<IsMci>(&packet)) {
            for (const auto& car : mci->cars()) {
                EXPECT_FALSE(away.contains(car.PLID)) << int{car.PLID};
            }
        }
    }
    const auto tiny = all<IsTiny>();
    EXPECT_TRUE(std::ranges::any_of(tiny, [](const IsTiny& t) { return t.SubT == kTinyNone; }));
}

// What the program's buttons do to the board, line by line; colour codes are not printed.
TEST_F(ModernStandInGameTest, KeepsTheButtonsItIsSent) {
    start({});
    handshake(0);
    send(IsBtn{1, 0, 10, 0, kIsbDark | kIsbLeft, 0, 90, 30, 30, 6, "^1V - 00:01:234"});
    send(IsBtn{1, 0, 11, 0, kIsbDark, 0, 90, 36, 30, 6, encodeGameText("H - Łódź")});
    send(IsBtn{1, 0, 10, 0, 0, 0, 0, 0, 0, 0, "^2V - 00:01:300"});
    send(IsBtn{1, 0, 12, 0, 0, 0, 0, 0, 0, 0, "unknown"});
    send(IsBfn{0, kBfnDelBtn, 0, 11, 0, 0});
    send(IsBtn{1, 0, 30, 0, kIsbLight, 0, 0, 0, 200, 200, ""});
    send(IsBtn{1, 0, 31, 0, kIsbLight, 0, 0, 0, 20, 20, ""});
    send(IsBfn{0, kBfnDelBtn, 0, 29, 40, 0});
    send(IsBfn{0, kBfnClear, 0, 0, 0, 0});
    ASSERT_TRUE(runUntil([&] { return printed("buttons cleared"); })) << m_out.str();
    const std::string lines = m_out.str();
    EXPECT_NE(lines.find("button: id=10 l=90 t=30 w=30 h=6 style=96 text=V - 00:01:234\n"
                         "button: id=11 l=90 t=36 w=30 h=6 style=32 text=H - Łódź\n"
                         "button text: id=10 text=V - 00:01:300\n"
                         "button: delete id=11\n"
                         "button: id=30 l=0 t=0 w=200 h=200 style=16 text=\n"
                         "button: id=31 l=0 t=0 w=20 h=20 style=16 text=\n"
                         "button: delete id=30\nbutton: delete id=31\nbuttons cleared\n"),
              std::string::npos)
        << lines;
    EXPECT_FALSE(m_game->board().at(10));
}

// SHIFT+B: the program is told, and what it sends meanwhile is not shown.
TEST_F(ModernStandInGameTest, ShiftBClearsHidesThenAsksBack) {
    start({});
    handshake(0);
    send(IsBtn{1, 0, 3, 0, kIsbDark, 0, 90, 30, 30, 6, "V"});
    ASSERT_TRUE(runUntil([&] { return printed("button: id=3"); })) << m_out.str();
    m_game->pressShiftB();
    EXPECT_FALSE(m_game->board().at(3));
    send(IsBtn{1, 0, 3, 0, kIsbDark, 0, 90, 30, 30, 6, "V"});
    ASSERT_TRUE(runUntil([&] { return printed("button hidden: id=3"); })) << m_out.str();
    m_game->pressShiftB();
    ASSERT_TRUE(await<IsBfn>(2)) << m_out.str();
    const auto functions = all<IsBfn>();
    EXPECT_EQ(std::tuple(functions[0].SubT, functions[1].SubT),
              std::tuple(kBfnUserClear, kBfnRequest));
    EXPECT_TRUE(printed("user cleared buttons\nbutton hidden: id=3\nuser asked for buttons\n"))
        << m_out.str();
}

TEST_F(ModernStandInGameTest, ShiftBEveryPressesItOnATimer) {
    start({.shiftBEvery = 0.05});
    handshake(0);
    ASSERT_TRUE(await<IsBfn>(3)) << m_out.str();
    const auto functions = all<IsBfn>();
    EXPECT_EQ(std::tuple(functions[0].SubT, functions[1].SubT, functions[2].SubT),
              std::tuple(kBfnUserClear, kBfnRequest, kBfnUserClear));
}

}  // namespace
}  // namespace rennlupe::tools
