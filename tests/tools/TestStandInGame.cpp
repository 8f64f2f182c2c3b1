#include "insim-sim/StandInGame.h"

#include "insim/classifyPacket.h"
#include "insim/GaugeRecord.h"
#include "insim/IsiRecord.h"
#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/RecordWriter.h"
#include "insim/ShortPacketRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"
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

bool hasId(const Datagram& datagram, std::string_view id) {
    return datagram.size() >= 4 && std::equal(id.begin(), id.end(), datagram.begin()) &&
           datagram[3] == 0;
}

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
    bool await(std::string_view id, std::size_t n = 1) {
        return runUntil([&] { return with(id).size() >= n; });
    }
    void runRounds(int rounds) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(10 * rounds);
        runUntil([&] { return std::chrono::steady_clock::now() >= end; });
    }
    std::vector<Datagram> with(std::string_view id) const {
        std::vector<Datagram> found;
        std::copy_if(m_received.begin(), m_received.end(), std::back_inserter(found),
                     [id](const Datagram& d) { return hasId(d, id); });
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
    EXPECT_TRUE(printed("listening " + support::gameLoopbackAddress() + ":29999"));
    handshake("secret");
    ASSERT_TRUE(await("STA"));
    EXPECT_TRUE(printed("link up from 127.0.0.1:"));
    EXPECT_TRUE(printed("state sent"));
    ASSERT_EQ(with("VER").size(), 1U);
    EXPECT_TRUE(hasId(m_received.front(), "VER"));
    const auto ver = insim::VerRecord::read(m_received.front());
    EXPECT_EQ(std::string(ver.Product.begin(), ver.Product.begin() + 2), "S2");
    const auto state = insim::StaRecord::read(with("STA").front());
    EXPECT_EQ(state.NumPlayers, 3);
    EXPECT_EQ(state.ViewPlayer, 0);
    EXPECT_EQ(state.Laps, 7);

    for (std::uint8_t n = 0; n < 4; ++n) {
        sendShort("NPL", n);
    }
    sendShort("ACK");
    ASSERT_TRUE(await("NPL", 3) && await("ACK"));
    std::map<int, int> uniqueIds;
    for (const auto& d : with("NPL")) {
        const auto npl = insim::NplRecord::read(d);
        uniqueIds[npl.PlayerNumber] = npl.UniqueId;
    }
    // Player 3 does not exist with three cars: no answer.
    EXPECT_EQ(uniqueIds, (std::map<int, int>{{0, 1}, {1, 2}, {2, 3}}));
    // Once on the version reply, once more when every player is known.
    EXPECT_EQ(with("STA").size(), 2U);
    EXPECT_TRUE(m_sender.quiet()) << "nothing goes to the sending port";
}

TEST_F(StandInGameTest, StreamsCompleteSetsAndGaugesUntilClosed) {
    start({.cars = 19, .rate = 100});
    handshake();
    ASSERT_TRUE(await("STA"));
    sendShort("NLI", 10);
    sendShort("SSG", 10);

    std::set<int> shiftValues;
    bool otherKind = false;
    const auto seenAll = [&] {
        for (const auto& d : m_received) {
            if (d.size() == insim::GaugeRecord::kSize) {
                shiftValues.insert(insim::GaugeRecord::read(d).ShiftIndicator);
            } else if (insim::classifyPacket(d) == insim::PacketKind::Gauge) {
                otherKind = true;
            }
        }
        return shiftValues.contains(0) && shiftValues.contains(1) && otherKind &&
               with("MCI").size() >= 60;
    };
    // Another kind comes every two seconds of stream, which a busy machine stretches.
    ASSERT_TRUE(runUntil(seenAll) || runUntil(seenAll)) << m_out.str();
    EXPECT_TRUE(printed("streaming 19 cars at 100 Hz"));
    // Sets of three packets in the order 0, 8, 16; their content is the race's.
    const auto packets = with("MCI");
    for (std::size_t i = 0; i < packets.size(); ++i) {
        ASSERT_EQ(insim::MciRecord::read(packets[i]).FirstCar, (i % 3) * 8) << i;
    }

    sendShort("ISC");
    runRounds(5);
    ASSERT_TRUE(printed("closed"));
    m_received.clear();
    runRounds(5);
    EXPECT_TRUE(m_received.empty()) << "nothing after the close packet";

    // A new initialisation brings the link up again.
    handshake();
    EXPECT_TRUE(await("STA"));
}

// Each option that keeps the game quiet, after the line that says so.
struct Quiet {
    SimOptions options;
    std::string_view password;
    std::string_view line;
    bool streamsFirst;
};

class StandInGameQuiet : public StandInGameTest, public ::testing::WithParamInterface<Quiet> {};

TEST_P(StandInGameQuiet, SendsNothingAfterwards) {
    start(GetParam().options);
    handshake(GetParam().password);
    sendShort("NLI", 10);
    ASSERT_TRUE(runUntil([&] { return printed(std::string(GetParam().line)); })) << m_out.str();
    runUntil([] { return true; });
    EXPECT_EQ(with("MCI").size() > 0, GetParam().streamsFirst);
    m_received.clear();
    sendShort("ACK");
    runRounds(10);
    EXPECT_TRUE(m_received.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Options, StandInGameQuiet,
    ::testing::Values(
        Quiet{{.password = "secret"}, "wrong", "wrong password from 127.0.0.1:", false},
        Quiet{{.drop = 1.0}, "", "streaming", false},
        Quiet{{.rate = 100, .silentAfter = 0.2}, "", "silent", true}));

TEST_F(StandInGameTest, ARestartIsFollowedByTheNewState) {
    start({.cars = 2, .restartEvery = 0.05});
    handshake();
    ASSERT_TRUE(await("RST"));
    EXPECT_TRUE(await("STA", 2));
    const auto rst = std::find_if(m_received.begin(), m_received.end(),
                                  [](const auto& d) { return hasId(d, "RST"); });
    ASSERT_LT(rst + 1, m_received.end());
    EXPECT_TRUE(hasId(*(rst + 1), "STA"));
}

}  // namespace
}  // namespace rennlupe::tools
