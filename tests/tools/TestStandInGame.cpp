#include "insim-sim/StandInGame.h"

#include "insim/classifyPacket.h"
#include "insim/GaugeRecord.h"
#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"
#include "platform/eventloop/PollLoop.h"
#include "support/gameLoopbackAddress.h"

#include "ProgramEnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace rennlupe::tools {
namespace {

// The game on port 29999 of this test's own loopback address, run in-process
// on the test's loop; the test plays the program over real sockets.
class StandInGameTest : public ::testing::Test {
protected:
    void start(SimOptions options) {
        options.bind = support::gameLoopbackAddress();
        options.port = 29999;
        m_game = std::make_unique<StandInGame>(m_loop, options, m_out);
        ASSERT_TRUE(m_game->open()) << m_out.str();
    }
    platform::SocketAddress game() const { return m_game->local(); }
    bool printed(const std::string& line) const {
        return ("\n" + m_out.str()).find("\n" + line) != std::string::npos;
    }
    // ISI and the version request, as the program's handshake sends them.
    void handshake(std::string_view password = "") {
        m_program.sendIsi(game(), password);
        m_program.sendShort(game(), "VER");
    }
    bool await(std::string_view id, std::size_t count = 1) {
        return m_program.runUntil(m_loop, [&] { return m_program.count(id) >= count; });
    }

    platform::PollLoop m_loop;
    std::ostringstream m_out;
    ProgramEnd m_program;
    std::unique_ptr<StandInGame> m_game;
};

TEST_F(StandInGameTest, HandshakeAnswersOnTheReceivePortWithVersionStateAndPlayers) {
    start({.cars = 3, .laps = 7});
    EXPECT_TRUE(printed("listening " + support::gameLoopbackAddress() + ":29999"));
    handshake();
    ASSERT_TRUE(await("STA"));
    EXPECT_TRUE(printed("link up from 127.0.0.1:"));
    EXPECT_TRUE(printed("state sent"));
    EXPECT_EQ(m_program.count("VER"), 1U);
    EXPECT_TRUE(hasId(m_program.received().front(), "VER"));
    const auto ver = insim::VerRecord::read(m_program.received().front());
    EXPECT_EQ(std::string(ver.Product.begin(), ver.Product.begin() + 2), "S2");
    const auto sta = std::find_if(m_program.received().begin(), m_program.received().end(),
                                  [](const auto& d) { return hasId(d, "STA"); });
    const auto state = insim::StaRecord::read(*sta);
    EXPECT_EQ(state.NumPlayers, 3);
    EXPECT_EQ(state.ViewPlayer, 0);
    EXPECT_EQ(state.Laps, 7);

    for (std::uint8_t n = 0; n < 4; ++n) {
        m_program.sendShort(game(), "NPL", n);
    }
    m_program.sendShort(game(), "ACK");
    ASSERT_TRUE(await("NPL", 3));
    ASSERT_TRUE(await("ACK"));
    std::map<int, int> uniqueIds;
    for (const auto& d : m_program.received()) {
        if (hasId(d, "NPL")) {
            const auto npl = insim::NplRecord::read(d);
            uniqueIds[npl.PlayerNumber] = npl.UniqueId;
        }
    }
    // Player 3 does not exist with three cars: no answer.
    EXPECT_EQ(uniqueIds, (std::map<int, int>{{0, 1}, {1, 2}, {2, 3}}));
    // Once on the version reply, once more when every player is known.
    EXPECT_EQ(m_program.count("STA"), 2U);
    EXPECT_EQ(m_program.strayCount(), 0U) << "nothing goes to the sending port";
}

TEST_F(StandInGameTest, StreamsCompleteSetsAndGaugesUntilClosed) {
    start({.cars = 19, .rate = 100});
    handshake();
    ASSERT_TRUE(await("STA"));
    m_program.sendShort(game(), "NLI", 10);
    m_program.sendShort(game(), "SSG", 10);

    std::set<int> shiftValues;
    bool otherKind = false;
    ASSERT_TRUE(m_program.runUntil(m_loop, [&] {
        for (const auto& d : m_program.received()) {
            if (d.size() == insim::GaugeRecord::kSize) {
                shiftValues.insert(insim::GaugeRecord::read(d).ShiftIndicator);
            } else if (insim::classifyPacket(d) == insim::PacketKind::Gauge) {
                otherKind = true;
            }
        }
        return shiftValues.contains(0) && shiftValues.contains(1) && otherKind &&
               m_program.count("MCI") >= 60;
    })) << m_out.str();
    EXPECT_TRUE(printed("streaming 19 cars at 100 Hz"));

    // Sets of three packets in the order 0, 8, 16; each car's node key grows.
    std::vector<insim::MciRecord> packets;
    for (const auto& d : m_program.received()) {
        if (hasId(d, "MCI")) {
            packets.push_back(insim::MciRecord::read(d));
        }
    }
    std::map<int, int> lastKey;
    std::set<int> laps;
    for (std::size_t i = 0; i < packets.size(); ++i) {
        const auto& mci = packets[i];
        ASSERT_EQ(mci.FirstCar, (i % 3) * 8) << i;
        EXPECT_EQ(mci.NumPlayers, 19);
        const int finish = mci.FinishNode();
        ASSERT_LT(finish, mci.NumNodes());
        for (std::size_t k = 0; k < insim::MciRecord::kCarCount; ++k) {
            const auto& car = mci.Cars[k];
            const int player = mci.FirstCar + static_cast<int>(k);
            ASSERT_EQ(car.PlayerId, player < 19 ? player + 1 : 0);
            if (car.PlayerId == 0) {
                continue;
            }
            ASSERT_LT(car.Node, mci.NumNodes());
            const int key =
                car.Node <= finish ? car.Lap * 1000 + car.Node : (car.Lap - 1) * 1000 + car.Node;
            EXPECT_GE(key, lastKey[car.PlayerId]) << "player id " << int{car.PlayerId};
            lastKey[car.PlayerId] = key;
            laps.insert(car.Lap);
        }
    }
    EXPECT_TRUE(laps.contains(1));

    m_program.sendShort(game(), "ISC");
    m_program.runRounds(m_loop, 5);
    ASSERT_TRUE(printed("closed"));
    m_program.received().clear();
    m_program.runRounds(m_loop, 5);
    EXPECT_TRUE(m_program.received().empty()) << "nothing after the close packet";

    // A new initialisation brings the link up again.
    handshake();
    EXPECT_TRUE(await("STA"));
}

TEST_F(StandInGameTest, WrongPasswordGetsNoAnswerAndTheRightOneDoes) {
    start({.password = "secret"});
    handshake("wrong");
    m_program.sendShort(game(), "ACK");
    m_program.runRounds(m_loop, 5);
    EXPECT_TRUE(m_program.received().empty());
    EXPECT_TRUE(printed("wrong password from 127.0.0.1:"));
    handshake("secret");
    EXPECT_TRUE(await("VER"));
}

TEST_F(StandInGameTest, DroppingEverythingSendsNothing) {
    start({.drop = 1.0});
    handshake();
    m_program.sendShort(game(), "NLI", 10);
    m_program.sendShort(game(), "SSG", 10);
    ASSERT_TRUE(m_program.runUntil(m_loop, [&] { return printed("streaming"); }));
    m_program.runRounds(m_loop, 10);
    EXPECT_TRUE(m_program.received().empty());
}

TEST_F(StandInGameTest, FallsSilentAfterItsTime) {
    start({.rate = 100, .silentAfter = 0.2});
    handshake();
    m_program.sendShort(game(), "NLI", 10);
    ASSERT_TRUE(await("MCI"));
    ASSERT_TRUE(m_program.runUntil(m_loop, [&] { return printed("silent"); }));
    m_program.collect();
    m_program.received().clear();
    m_program.sendShort(game(), "ACK");
    m_program.runRounds(m_loop, 10);
    EXPECT_TRUE(m_program.received().empty());
}

TEST_F(StandInGameTest, RestartsTheRaceWithANewState) {
    start({.cars = 2, .restartEvery = 0.05});
    handshake();
    ASSERT_TRUE(await("RST"));
    EXPECT_TRUE(await("STA", 2));
    const auto& received = m_program.received();
    const auto rst = std::find_if(received.begin(), received.end(),
                                  [](const auto& d) { return hasId(d, "RST"); });
    ASSERT_NE(rst + 1, received.end());
    EXPECT_TRUE(hasId(*(rst + 1), "STA")) << "the new state follows the restart";
}

}  // namespace
}  // namespace rennlupe::tools
