#include "insim-sim/ModernStandInGame.h"

#include "insim10/ButtonFunctions.h"
#include "insim10/ButtonStyle.h"
#include "insim10/GameText.h"
#include "insim10/IsBfn.h"
#include "insim10/IsBtc.h"
#include "insim10/IsBtn.h"
#include "insim10/IsiFlags.h"
#include "insim10/IsIsi.h"
#include "insim10/IsMst.h"
#include "insim10/IsMsx.h"
#include "insim10/IsPll.h"
#include "insim10/IsPlp.h"
#include "insim10/IsSmall.h"
#include "insim10/IsTiny.h"
#include "insim10/IsVer.h"
#include "insim10/SmallTypes.h"
#include "insim10/TinyTypes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

namespace rennlupe::tools {
namespace {

using platform::EventLoop;

constexpr double kLongestPitStay = 3.0;

std::chrono::milliseconds millisecondsOf(double seconds) {
    return std::chrono::milliseconds(std::max<long long>(1, std::llround(seconds * 1000.0)));
}

template <std::size_t N>
std::array<std::uint8_t, N> field(std::string_view text) {
    std::array<std::uint8_t, N> out{};
    std::copy_n(text.begin(), std::min(N, text.size()), out.begin());
    return out;
}

}  // namespace

ModernStandInGame::ModernStandInGame(EventLoop& loop, SimOptions options, std::ostream& out)
    : m_loop(loop),
      m_options(std::move(options)),
      m_socket(loop, out),
      m_race(m_options.cars, m_options.laps, m_options.rate, m_options.seed),
      m_random(m_options.seed + 1),
      m_started(std::chrono::steady_clock::now()) {}

ModernStandInGame::~ModernStandInGame() {
    stopTimers();
}

bool ModernStandInGame::open() {
    return m_socket.open(m_options.bind, m_options.port,
                         [this](std::span<const std::uint8_t> datagram,
                                platform::SocketAddress from) { handle(datagram, from); });
}

void ModernStandInGame::handle(std::span<const std::uint8_t> packet, platform::SocketAddress from) {
    if (packet.size() < 4 || packet[0] * 4U != packet.size()) {
        return;
    }
    const std::uint8_t type = packet[1];
    if (type == insim10::IsIsi::kType) {
        linkUp(packet, from);
        return;
    }
    // Without an accepted initialisation the game does not answer.
    if (!m_peer || m_peer->address != from.address) {
        return;
    }
    if (const auto tiny = insim10::IsTiny::read(packet); tiny && type == insim10::IsTiny::kType) {
        handleTiny(tiny->ReqI, tiny->SubT);
    } else if (m_silent) {
        return;
    } else if (const auto small = insim10::IsSmall::read(packet);
               small && type == insim10::IsSmall::kType && small->SubT == insim10::kSmallSsg) {
        m_gauges = small->UVal != 0;
        say(m_gauges ? "gauges on" : "gauges off");
    } else if ((type == insim10::IsMst::kType && packet.size() == insim10::IsMst::kSize) ||
               (type == insim10::IsMsx::kType && packet.size() == insim10::IsMsx::kSize)) {
        say("message: " + insim10::decodeGameText(packet.subspan(4)));
    } else if (type == insim10::IsBtn::kType) {
        handleButton(packet);
    } else if (type == insim10::IsBfn::kType) {
        handleButtonFunction(packet);
    }
}

void ModernStandInGame::handleButton(std::span<const std::uint8_t> packet) {
    const auto button = insim10::IsBtn::read(packet);
    if (!button) {
        return;
    }
    const std::string id = "id=" + std::to_string(button->ClickID);
    const auto bytes =
        std::span(reinterpret_cast<const std::uint8_t*>(button->Text.data()), button->Text.size());
    const std::string text = " text=" + insim10::decodeGameText(bytes);
    switch (m_board.place(*button)) {
    case ButtonBoard::Placed::New: {
        std::array<char, 64> place{};
        std::snprintf(place.data(), place.size(), " l=%u t=%u w=%u h=%u style=%u",
                      unsigned{button->L}, unsigned{button->T}, unsigned{button->W},
                      unsigned{button->H}, unsigned{button->BStyle});
        say("button: " + id + place.data() + text);
        break;
    }
    case ButtonBoard::Placed::Text:
        say("button text: " + id + text);
        break;
    case ButtonBoard::Placed::Hidden:
        say("button hidden: " + id);
        return;
    case ButtonBoard::Placed::Ignored:
        return;
    }
    m_changed();
}

void ModernStandInGame::handleButtonFunction(std::span<const std::uint8_t> packet) {
    const auto function = insim10::IsBfn::read(packet);
    if (!function) {
        return;
    }
    if (function->SubT == insim10::kBfnDelBtn) {
        for (const std::uint8_t id : m_board.remove(function->ClickID, function->ClickMax)) {
            say("button: delete id=" + std::to_string(id));
        }
    } else if (function->SubT == insim10::kBfnClear) {
        m_board.clear();
        say("buttons cleared");
    }
    m_changed();
}

void ModernStandInGame::pressShiftB() {
    const std::uint8_t subT = m_board.shiftB();
    send(insim10::IsBfn{0, subT, 0, 0, 0, 0}.bytes());
    say(subT == insim10::kBfnUserClear ? "user cleared buttons" : "user asked for buttons");
    m_changed();
}

// IS_MSO: 6 UserType | 7 TextStart | 8 "name : text", zero-ended, padded to a whole word.
void ModernStandInGame::type(std::string_view text) {
    constexpr std::string_view kName = "Racer : ";
    const bool command = m_prefix != 0 && !text.empty() && text[0] == static_cast<char>(m_prefix);
    std::vector<std::uint8_t> mso{0,
                                  insim10::kIspMso,
                                  0,
                                  0,
                                  0,
                                  0,
                                  static_cast<std::uint8_t>(command ? 2 : 1),
                                  static_cast<std::uint8_t>(kName.size())};
    mso.insert(mso.end(), kName.begin(), kName.end());
    mso.insert(mso.end(), text.begin(), text.end());
    mso.resize((mso.size() / 4 + 1) * 4);
    mso[0] = static_cast<std::uint8_t>(mso.size() / 4);
    send(mso);
    say("user typed " + std::string(text));
}

void ModernStandInGame::click(std::uint8_t clickId) {
    const auto& button = m_board.at(clickId);
    if (m_board.userCleared() || !button || (button->style & insim10::kIsbClick) == 0) {
        say("no button " + std::to_string(clickId) + " to click");
        return;
    }
    send(insim10::IsBtc{0, 0, clickId, 0, 1}.bytes());
    say("user clicked " + std::to_string(clickId));
}

void ModernStandInGame::handleTiny(std::uint8_t reqI, std::uint8_t subT) {
    if (subT == insim10::kTinyClose) {
        linkDown();
        say("closed");
        return;
    }
    if (m_silent) {
        return;
    }
    switch (subT) {
    case insim10::kTinyNone:
        say("keep-alive answered");
        break;
    case insim10::kTinyVer: {
        insim10::IsVer ver{reqI, field<8>("0.8A"), field<6>("S3"),
                           static_cast<std::uint8_t>(m_options.insimVersion)};
        send(ver.bytes());
        say("version sent");
        break;
    }
    case insim10::kTinyNpl:
        for (const std::uint8_t plid : m_race.onTrack()) {
            send(m_race.player(plid, reqI).bytes());
        }
        say("players sent");
        break;
    case insim10::kTinySst:
        send(m_race.state(reqI).bytes());
        say("state sent");
        break;
    case insim10::kTinyRst:
        send(m_race.raceStart(reqI).bytes());
        say("race start sent");
        break;
    default:
        break;
    }
}

void ModernStandInGame::linkUp(std::span<const std::uint8_t> packet, platform::SocketAddress from) {
    const auto isi = insim10::IsIsi::read(packet);
    if (!isi) {
        return;
    }
    if (isi->Admin != m_options.password) {
        say("wrong password from " + addressText(from));
        return;
    }
    linkDown();
    m_peer = platform::SocketAddress{from.address, isi->UDPPort != 0 ? isi->UDPPort : from.port};
    m_positions = (isi->Flags & insim10::kIsfMci) != 0;
    m_prefix = isi->Prefix;
    say("link up from " + addressText(from) + " replies to " + addressText(*m_peer));
    std::array<char, 64> line{};
    std::snprintf(line.data(), line.size(), "interval %u ms, flags 0x%04X", unsigned{isi->Interval},
                  unsigned{isi->Flags});
    say(line.data());
    if (isi->ReqI != 0) {
        handleTiny(isi->ReqI, insim10::kTinyVer);
    }
    startRace();
    m_timers.push_back(
        m_loop.startTimer(std::chrono::milliseconds(1000 / m_options.rate), [this] { step(); }));
    every(m_options.keepAliveEvery, [this] {
        send(insim10::IsTiny{0, insim10::kTinyNone}.bytes());
        say("keep-alive sent");
    });
    every(m_options.silentAfter, [this] {
        stopTimers();
        m_silent = true;
        say("silent");
    });
    every(m_options.restartEvery, [this] { startRace(); });
    every(m_options.pitEvery, [this] {
        const double stay = std::min(kLongestPitStay, *m_options.pitEvery / 2);
        if (const auto plid = m_race.pit(now(), stay)) {
            send(insim10::IsPlp{0, *plid}.bytes());
            say("pit " + std::to_string(*plid));
        }
    });
    every(m_options.leaveEvery, [this] {
        if (const auto plid = m_race.leave()) {
            send(insim10::IsPll{0, *plid}.bytes());
            say("leave " + std::to_string(*plid));
        }
    });
    every(m_options.shiftBEvery, [this] { pressShiftB(); });
    for (const auto& typed : m_options.typed) {
        once(typed.at, [this, text = typed.text] { type(text); });
    }
    for (const auto& planned : m_options.clicks) {
        once(planned.at, [this, id = planned.clickId] { click(id); });
    }
    every(m_options.viewEvery, [this] {
        if (const auto plid = m_race.moveView()) {
            send(m_race.state(0).bytes());
            say("view " + std::to_string(*plid));
        }
    });
}

void ModernStandInGame::linkDown() {
    stopTimers();
    m_peer.reset();
    m_positions = false;
    m_gauges = false;
    m_silent = false;
    m_board.clear();  // the game deletes a program's buttons with its link
    m_changed();
}

void ModernStandInGame::startRace() {
    m_race.restart(now());
    send(m_race.raceStart(0).bytes());
    say("race start");
}

void ModernStandInGame::step() {
    if (m_race.raceOver()) {
        startRace();
    }
    const double moment = now();
    m_race.step(moment);
    for (const std::uint8_t plid : m_race.rejoinsDue(moment)) {
        send(m_race.player(plid, 0).bytes());
        say("rejoin " + std::to_string(plid));
    }
    if (m_positions) {
        for (const auto& packet : m_race.positionSet()) {
            send(packet);
        }
        if (m_options.truth) {
            say("truth: " + m_race.truth(moment));
        }
    }
    m_changed();
    if (m_gauges) {
        const auto elapsed = std::chrono::steady_clock::now() - m_started;
        send(m_race
                 .gauge(static_cast<std::uint32_t>(
                     std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()))
                 .bytes());
    }
}

void ModernStandInGame::once(double seconds, std::function<void()> work) {
    const auto timer = std::make_shared<platform::EventLoop::TimerId>(0);
    *timer = m_loop.startTimer(millisecondsOf(seconds), [this, timer, work = std::move(work)] {
        m_loop.stopTimer(*timer);
        work();
    });
    m_timers.push_back(*timer);
}

void ModernStandInGame::every(std::optional<double> seconds, std::function<void()> tick) {
    if (seconds) {
        m_timers.push_back(m_loop.startTimer(millisecondsOf(*seconds), std::move(tick)));
    }
}

double ModernStandInGame::now() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ModernStandInGame::send(std::span<const std::uint8_t> bytes) {
    if (!m_peer || m_silent) {
        return;
    }
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (m_options.drop > 0.0 && chance(m_random) < m_options.drop) {
        return;
    }
    m_socket.sendTo(bytes, *m_peer);
}

void ModernStandInGame::say(const std::string& line) {
    m_socket.say(line);
}

void ModernStandInGame::stopTimers() {
    for (const auto timer : m_timers) {
        m_loop.stopTimer(timer);
    }
    m_timers.clear();
}

}  // namespace rennlupe::tools
