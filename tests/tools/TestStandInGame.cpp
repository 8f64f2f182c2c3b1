#include "insim-sim/StandInGame.h"

#include "insim/classifyPacket.h"
#include "insim/GaugeRecord.h"
#include "insim/IsiRecord.h"
#include "insim/NplRecord.h"
#include "insim/RecordWriter.h"
#include "insim/ShortPacketRecord.h"
#include "insim/StaRecord.h"
#include "platform/eventloop/PollLoop.h"
#include "support/bytesOf.h"
#include "support/gameLoopbackAddress.h"
#include "support/runUntil.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace rennlupe::tools {
namespace {

using Datagram = std::vector<std::uint8_t>;
using enum insim::PacketKind;

// The game on port 29999 of this test's own loopback address, run in-process on
// the test's loop. The test plays the program over real sockets: it sends from
// one and reads the answers on another, as the program's receive port.
class StandInGameTest : public ::testing::Test {
protected:
    void start(SimOptions options) {
        options.bind = support::gameLoopbackAddress();
        options.port = 29999;
        m_game = std::make_unique<StandInGame>(m_loop, options, m_out);
        ASSERT_TRUE(m_game->open()) << m_out.str();
    }
    bool printed(const std::string& line) const {
        return ("\n" + m_out.str()).find("\n" + line) != std::string::npos;
    }
    void sendShort(std::string_view id, std::uint8_t p1 = 0) {
        m_sender.sendTo(m_game->local(), insim::ShortPacketRecord{.Parameter1 = p1}.write(id));
    }
    // ISI and the version request, as the program's handshake sends them.
    void handshake(std::string_view password = "") {
        using insim::IsiRecord;
        insim::RecordWriter<IsiRecord::kSize> isi("ISI");
        isi.set16(IsiRecord::kPortOffset, m_receiver.address().port);
        isi.put(IsiRecord::kAdminOffset, IsiRecord::kAdminSize, support::bytesOf(password));
        m_sender.sendTo(m_game->local(), isi.result());
        sendShort("VER");
    }
    // Runs the loop, keeping what arrives, until done() holds or about five seconds passed.
    bool runUntil(const std::function<bool()>& done) {
        return support::runUntil(m_loop, [&] {
            while (auto datagram = m_receiver.receive(0)) {
                m_received.push_back(std::move(*datagram));
            }
            return done();
        });
    }
    bool await(insim::PacketKind kind, std::size_t n = 1) {
        return runUntil([&] { return with(kind).size() >= n; });
    }
    void runRounds(int rounds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(10 * rounds);
        runUntil([&] { return std::chrono::steady_clock::now() >= end; });
    }
    std::vector<Datagram> with(insim::PacketKind kind) const {
        std::vector<Datagram> found;
        std::ranges::copy_if(m_received, std::back_inserter(found), [kind](const Datagram& d) {
            return insim::classifyPacket(d) == kind;
        });
        return found;
    }

    platform::PollLoop m_loop;
    std::ostringstream m_out;
    support::UdpPeer m_sender;
    support::UdpPeer m_receiver;
    std::vector<Datagram> m_received;
    std::unique_ptr<StandInGame> m_game;
};

TEST_F(StandInGameTest, HandshakeAnswersOnTheReceivePortWithVersionStateAndPlayers) {
    start({.cars = 3, .laps = 7, .password = "secret"});
    handshake("secret");
    ASSERT_TRUE(await(STA));
    EXPECT_EQ(insim::classifyPacket(m_received.front()), VER);
    const auto state = insim::StaRecord::read(with(STA).front());
    EXPECT_EQ(std::tuple(state.NumPlayers, state.ViewPlayer, state.Laps), std::tuple(3, 0, 7));

    for (std::uint8_t n = 0; n < 4; ++n) {
        sendShort("NPL", n);
    }
    sendShort("ACK");
    ASSERT_TRUE(await(NPL, 3) && await(ACK));
    std::map<int, int> uniqueIds;
    for (const auto& d : with(NPL)) {
        uniqueIds[insim::NplRecord::read(d).PlayerNumber] = insim::NplRecord::read(d).UniqueId;
    }
    // Player 3 does not exist with three cars: no answer.
    EXPECT_EQ(uniqueIds, (std::map<int, int>{{0, 1}, {1, 2}, {2, 3}}));
    // Once on the version reply, once more when every player is known.
    EXPECT_EQ(with(STA).size(), 2U);
    EXPECT_TRUE(m_sender.quiet()) << "nothing goes to the sending port";
}

// The shift light comes on and off, now and then with other lamps, and
// packets of other kinds come in between; each restart is followed by the new state.
TEST_F(StandInGameTest, StreamsGaugesAndOtherKindsUntilClosed) {
    start({.cars = 19, .rate = 100});
    handshake();
    ASSERT_TRUE(await(STA));
    sendShort("NLI", 10);
    sendShort("SSG", 10);

    // The shift lamps of each gauge packet, -1 for a packet of another kind.
    std::set<int> lamps;
    const auto seenAll = [&] {
        for (const auto& d : with(Gauge)) {
            lamps.insert(d.size() == insim::GaugeRecord::kSize
                             ? insim::GaugeRecord::read(d).ShiftIndicator
                             : -1);
        }
        return lamps.contains(-1) && lamps.contains(0) && lamps.contains(1) &&
               *lamps.rbegin() > 1 && with(MCI).size() >= 60;
    };
    // Another kind comes every two seconds of stream, which a busy machine stretches.
    ASSERT_TRUE(runUntil(seenAll) || runUntil(seenAll)) << m_out.str();

    sendShort("ISC");
    runRounds(5);
    ASSERT_TRUE(printed("closed"));
    m_received.clear();
    runRounds(5);
    EXPECT_TRUE(m_received.empty()) << "nothing after the close packet";

    // A new initialisation brings the link up again.
    handshake();
    EXPECT_TRUE(await(STA));
}

// A separate game: a restart resets the revs, so the stream test could not count on its shift
// light.
TEST_F(StandInGameTest, ARestartIsFollowedByTheNewState) {
    start({.cars = 2, .restartEvery = 0.05});
    handshake();
    ASSERT_TRUE(await(RST));
    ASSERT_TRUE(await(STA, 2));
    const auto rst = std::ranges::find(m_received, RST, insim::classifyPacket);
    ASSERT_LT(rst + 1, m_received.end());
    EXPECT_EQ(insim::classifyPacket(*(rst + 1)), STA);
}

// Each option that keeps the game quiet, from the line that says so on; the
// empty password of the handshake is a wrong one.
using Quiet = std::pair<SimOptions, std::string_view>;
class StandInGameQuiet : public StandInGameTest, public ::testing::WithParamInterface<Quiet> {};

TEST_P(StandInGameQuiet, SendsNothingAfterwards) {
    start(GetParam().first);
    handshake();
    sendShort("NLI", 10);
    ASSERT_TRUE(runUntil([&] { return printed(std::string(GetParam().second)); })) << m_out.str();
    m_received.clear();
    sendShort("ACK");
    runRounds(10);
    EXPECT_TRUE(m_received.empty());
}

INSTANTIATE_TEST_SUITE_P(Options, StandInGameQuiet,
                         ::testing::Values(Quiet{{.password = "secret"},
                                                 "wrong password from 127.0.0.1:"},
                                           Quiet{{.drop = 1.0}, "streaming"},
                                           Quiet{{.rate = 100, .silentAfter = 0.2}, "silent"}));

}  // namespace
}  // namespace rennlupe::tools
