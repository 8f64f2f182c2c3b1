#include "insim-sim/StandInGame.h"

#include "insim/classifyPacket.h"
#include "insim/IsiRecord.h"
#include "insim/NplRecord.h"
#include "insim/ShortPacketRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace rennlupe::tools {
namespace {

using platform::EventLoop;

constexpr std::string_view kProduct = "S2";
constexpr std::string_view kVersion = "0.7F";
constexpr std::string_view kTrack = "BL1";
constexpr std::array<std::string_view, 5> kOtherKinds = {"LAP", "SPX", "NCN", "CNL", "FLG"};

template <std::size_t N>
std::array<std::uint8_t, N> textField(std::string_view text) {
    std::array<std::uint8_t, N> field{};
    std::copy_n(text.begin(), std::min(N, text.size()), field.begin());
    return field;
}

std::string_view identifierOf(std::span<const std::uint8_t> datagram) {
    const std::size_t length = std::min<std::size_t>(datagram.size(), insim::kIdentifierSize);
    return {reinterpret_cast<const char*>(datagram.data()), length};
}

std::chrono::milliseconds millisecondsOf(double seconds) {
    return std::chrono::milliseconds(std::max<long long>(1, std::llround(seconds * 1000.0)));
}

}  // namespace

StandInGame::StandInGame(EventLoop& loop, SimOptions options, std::ostream& out)
    : m_loop(loop),
      m_options(std::move(options)),
      m_socket(loop, out),
      m_race(m_options.cars, m_options.laps, m_options.rate, m_options.seed),
      m_random(m_options.seed + 1),
      m_started(std::chrono::steady_clock::now()) {}

StandInGame::~StandInGame() {
    stopTimers();
}

bool StandInGame::open() {
    return m_socket.open(m_options.bind, m_options.port,
                         [this](std::span<const std::uint8_t> datagram,
                                platform::SocketAddress from) { handle(datagram, from); });
}

void StandInGame::handle(std::span<const std::uint8_t> datagram, platform::SocketAddress from) {
    const std::string_view id = identifierOf(datagram);
    if (id == "ISI") {
        linkUp(datagram, from);
        return;
    }
    // Without an accepted initialisation the game does not answer.
    if (!m_peer || m_peer->address != from.address || (m_silent && id != "ISC")) {
        return;
    }
    const auto request = insim::ShortPacketRecord::read(datagram);
    if (id == "VER") {
        insim::VerRecord ver;
        ver.Product = textField<insim::VerRecord::kProductSize>(kProduct);
        ver.Version = textField<insim::VerRecord::kVersionSize>(kVersion);
        send(ver.write());
        say("version sent");
        if (!m_stateSent) {
            m_stateSent = true;
            sendState();
        }
    } else if (id == "NPL") {
        const std::uint8_t n = request.Parameter1;
        if (n < m_race.cars()) {
            insim::NplRecord npl;
            npl.PlayerName =
                textField<insim::NplRecord::kPlayerNameSize>("Driver " + std::to_string(n + 1));
            npl.SecondName =
                textField<insim::NplRecord::kSecondNameSize>("CAR" + std::to_string(n + 1));
            npl.UniqueId = static_cast<std::uint8_t>(n + 1);
            npl.PlayerNumber = n;
            send(npl.write());
            say("player " + std::to_string(n) + " sent");
            // Once every player is known the game reports its state again, as the
            // real one does when the view settles; the program then knows whom it views.
            if (static_cast<int>(n) + 1 == m_race.cars() && !m_playersReported) {
                m_playersReported = true;
                sendState();
            }
        }
    } else if (id == "ACK") {
        send(insim::ShortPacketRecord{}.write("ACK"));
        say("ack answered");
    } else if (id == "NLI" || id == "SSG") {
        startStreaming();
    } else if (id == "ISC") {
        linkDown();
        say("closed");
    } else if (id == "MST") {
        const auto text = datagram.subspan(std::min<std::size_t>(4, datagram.size()));
        const auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
        say("message: " + std::string(text.begin(), end));
    }
}

void StandInGame::linkUp(std::span<const std::uint8_t> datagram, platform::SocketAddress from) {
    const auto isi = insim::IsiRecord::read(datagram);
    if (isi.Admin != textField<insim::IsiRecord::kAdminSize>(m_options.password)) {
        say("wrong password from " + addressText(from));
        return;
    }
    linkDown();
    m_peer = platform::SocketAddress{from.address, isi.Port};
    say("link up from " + addressText(from) + " replies to " + addressText(*m_peer));
    if (m_options.silentAfter) {
        m_silentTimer = m_loop.startTimer(millisecondsOf(*m_options.silentAfter), [this] {
            stopTimers();
            m_silent = true;
            say("silent");
        });
    }
    if (m_options.restartEvery) {
        m_restartTimer =
            m_loop.startTimer(millisecondsOf(*m_options.restartEvery), [this] { restartRace(); });
    }
}

void StandInGame::linkDown() {
    stopTimers();
    m_peer.reset();
    m_stateSent = false;
    m_playersReported = false;
    m_silent = false;
}

void StandInGame::startStreaming() {
    if (m_streamTimer != 0) {
        return;
    }
    m_race.restart();
    m_streamTimer =
        m_loop.startTimer(std::chrono::milliseconds(1000 / m_options.rate), [this] { sendSet(); });
    say("streaming " + std::to_string(m_race.cars()) + " cars at " +
        std::to_string(m_options.rate) + " Hz");
}

void StandInGame::sendSet() {
    if (m_race.raceOver()) {
        restartRace();
    }
    for (const auto& packet : m_race.nextSet()) {
        send(packet);
    }
    const auto elapsed = std::chrono::steady_clock::now() - m_started;
    auto gauge = m_race.nextGauge(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
    // A time stamp that spells a known identifier would be read as that packet.
    while (insim::classifyPacket(gauge.write()) != insim::PacketKind::Gauge) {
        ++gauge.Time;
    }
    send(gauge.write());
    // Now and then a packet of a kind that the program does not read.
    if (++m_sets % static_cast<std::uint64_t>(2 * m_options.rate) == 0) {
        std::uniform_int_distribution<std::size_t> kind(0, kOtherKinds.size() - 1);
        send(insim::ShortPacketRecord{}.write(kOtherKinds[kind(m_random)]));
    }
}

void StandInGame::sendState() {
    insim::StaRecord sta;
    sta.InGameCam = 3;
    sta.ViewPlayer = 0;
    sta.NumPlayers = static_cast<std::uint8_t>(m_race.cars());
    sta.RaceInProgress = 1;
    sta.Laps = static_cast<std::uint8_t>(m_race.laps());
    sta.Track = textField<insim::StaRecord::kTrackSize>(kTrack);
    sta.Weather = 1;
    sta.Wind = 0;
    send(sta.write());
    say("state sent");
}

void StandInGame::restartRace() {
    m_race.restart();
    send(insim::ShortPacketRecord{}.write("RST"));
    say("restart");
    sendState();
}

void StandInGame::send(std::span<const std::uint8_t> bytes) {
    if (!m_peer || m_silent) {
        return;
    }
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (m_options.drop > 0.0 && chance(m_random) < m_options.drop) {
        return;
    }
    m_socket.sendTo(bytes, *m_peer);
}

void StandInGame::say(const std::string& line) {
    m_socket.say(line);
}

void StandInGame::stopTimers() {
    stopTimer(m_streamTimer);
    stopTimer(m_silentTimer);
    stopTimer(m_restartTimer);
}

void StandInGame::stopTimer(EventLoop::TimerId& timer) {
    if (timer != 0) {
        m_loop.stopTimer(timer);
        timer = 0;
    }
}

}  // namespace rennlupe::tools
