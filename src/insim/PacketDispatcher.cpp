#include "insim/PacketDispatcher.h"

#include "bits/checked16.h"
#include "bits/IndexOutOfRange.h"
#include "bits/textToNumber.h"
#include "insim/byt2str.h"
#include "insim/classifyPacket.h"
#include "insim/GaugeRecord.h"
#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"

#include <algorithm>
#include <array>
#include <string>

namespace rennlupe::insim {

namespace {

constexpr std::string_view kShiftPicture = "schalten.jpg";
constexpr std::uint8_t kShiftLight = 1;

std::string number(int value) {
    return std::to_string(value);
}

// Three upper-case letters and a zero byte: a report of the protocol, not a gauge packet.
bool shapedLikePacket(std::span<const std::uint8_t> bytes) {
    return std::all_of(bytes.begin(), bytes.begin() + kIdentifierSize,
                       [](std::uint8_t b) { return b >= 'A' && b <= 'Z'; }) &&
           bytes[kIdentifierSize] == 0;
}

std::size_t playerIndex(std::uint8_t playerNumber) {
    if (playerNumber >= DispatchHost::kPlayerRows) {
        throw bits::IndexOutOfRange();
    }
    return playerNumber;
}

}  // namespace

PacketDispatcher::PacketDispatcher(RaceState& state, DispatchHost& host, const bits::Clock& clock)
    : PacketDispatcher(state, host, clock, state.index()) {}

PacketDispatcher::PacketDispatcher(RaceState& state, DispatchHost& host, const bits::Clock& clock,
                                   const NodeLogLookup& lookup)
    : m_state(state), m_host(host), m_clock(clock), m_gaps(state, host, lookup) {}

void PacketDispatcher::DispatchPacket(std::span<const std::uint8_t> buffer, std::int32_t length) {
    std::array<std::uint8_t, kBufferSize> copy{};
    if (length >= 0) {
        const std::size_t count =
            std::min({buffer.size(), static_cast<std::size_t>(length) + 1, kBufferSize});
        std::copy_n(buffer.begin(), count, copy.begin());
    }
    m_host.lngTimer() = 0;
    const Buffer bytes(copy);
    switch (classifyPacket(bytes)) {
    case PacketKind::VER:
        handleVer(bytes);
        break;
    case PacketKind::RST:
        m_host.Neustart();
        break;
    case PacketKind::STA:
        handleSta(bytes);
        break;
    case PacketKind::NPL:
        handleNpl(bytes);
        break;
    case PacketKind::MCI:
        handleMci(bytes);
        break;
    case PacketKind::ACK:
        m_host.messageLine().show("");
        break;
    case PacketKind::Gauge:
        handleGauge(bytes);
        break;
    }
}

void PacketDispatcher::handleVer(Buffer bytes) {
    if (m_host.cmdConnect().caption() != "Cancel") {
        m_host.messageLine().show("VER packet received?");
        return;
    }
    const VerRecord ver = VerRecord::read(bytes);
    bits::MessageLine& line = m_host.messageLine();
    const std::string product = byt2str(ver.Product, line);
    const std::string version = byt2str(ver.Version, line);
    line.show("Connected to LFS " + product + " " + version);
    m_host.cmdConnect().setCaption("Disconnect");
    m_host.txtSend().setEnabled(true);
    m_host.cmdSend().setEnabled(true);
    m_host.linkUp(product, version);
    m_host.SendShortPacket("NLI", 10, 0, 0);
    m_host.SendShortPacket("SSG", 10, 0, 0);
}

void PacketDispatcher::handleSta(Buffer bytes) {
    const StaRecord sta = StaRecord::read(bytes);
    controls::ListBox& list = m_host.List1();
    list.Clear();
    list.AddItem("InGameCam -->  " + number(sta.InGameCam));
    list.AddItem("QualMins -->  " + number(sta.QualMins));
    list.AddItem("RaceInProgress -->  " + number(sta.RaceInProgress));
    m_host.lblLap().setCaption(number(sta.Laps));
    list.AddItem("Strecke -->  " + byt2str(sta.Track, m_host.messageLine()));
    list.AddItem("Fahrerzahl -->  " + number(sta.NumPlayers));
    list.AddItem("Wetter -->  " + number(sta.Weather));
    list.AddItem("Wind -->  " + number(sta.Wind));
    m_state.playerCount = sta.NumPlayers;
    m_host.carsKnown(sta.NumPlayers);
    m_host.Label3().setCaption("1");
    for (unsigned n = 0; n < sta.NumPlayers; ++n) {
        m_host.SendShortPacket("NPL", static_cast<std::uint8_t>(n), 0, 0);
    }
    m_state.nodeLogNext = 0;
    const std::size_t viewed = playerIndex(sta.ViewPlayer);
    m_host.lblGezeigterFahrer().setCaption(number(sta.ViewPlayer) + "-" +
                                           m_host.lblFahrer()[viewed].caption());
    m_host.lblMeineID().setCaption(m_host.lblUID()[viewed].caption());
}

void PacketDispatcher::handleNpl(Buffer bytes) {
    const NplRecord npl = NplRecord::read(bytes);
    const std::size_t n = playerIndex(npl.PlayerNumber);
    m_host.lblUID()[n].setCaption(number(npl.UniqueId));
    bits::MessageLine& line = m_host.messageLine();
    m_host.lblFahrer()[n].setCaption(byt2str(npl.PlayerName, line) + " (" +
                                     byt2str(npl.SecondName, line) + ")");
}

void PacketDispatcher::handleMci(Buffer bytes) {
    m_host.cmdStartRaceTracker().setCaption("Racetracker läuft");
    const MciRecord mci = MciRecord::read(bytes);
    const std::int16_t numNodes = mci.NumNodes();
    const std::int16_t finishNode = mci.FinishNode();
    m_host.lblStreckennodes().setCaption(number(numNodes));
    m_state.playerCount = mci.NumPlayers;
    m_state.trackNodes = numNodes;
    const int packetsInSet = mci.NumPlayers <= 8 ? 1 : mci.NumPlayers <= 16 ? 2 : 3;
    const int place = mci.FirstCar == 0 ? 1 : mci.FirstCar == 8 ? 2 : mci.FirstCar == 16 ? 3 : 0;
    const int baseRow = (place - 1) * 8;

    for (std::size_t k = 0; k < MciRecord::kCarCount; ++k) {
        const MciCar& car = mci.Cars[k];
        m_state.nodeLogNext = bits::checked16::add(m_state.nodeLogNext, 1);
        if (m_state.nodeLogNext == RaceState::kLogWrapRow) {
            m_state.nodeLogNext = 1;
        }
        if (car.PlayerId == 0) {
            continue;
        }
        const int row = baseRow + static_cast<int>(k);
        if (row < 0 || row >= static_cast<int>(RaceState::kStandingsRows)) {
            throw bits::IndexOutOfRange();
        }
        const std::int16_t lap = car.Lap;
        const std::int16_t lapOfKey = car.Node <= finishNode ? lap : bits::checked16::sub(lap, 1);
        const std::int16_t nodeKey =
            bits::checked16::add(bits::checked16::mul(lapOfKey, RaceState::kKeysPerLap), car.Node);
        const std::int16_t plid = car.PlayerId;

        // One moment for the standing and its log row, so a gap between them reads 0.
        const double now = m_clock.secondsSinceMidnight();
        RaceState::Row& standing = m_state.standings()[static_cast<std::size_t>(row)];
        standing[RaceState::kPlid] = bits::Value::ofInt16(plid);
        standing[RaceState::kNodeKey] = bits::Value::ofInt16(nodeKey);
        standing[RaceState::kNodeTime] = bits::Value::ofDouble(now);
        standing[RaceState::kLap] = bits::Value::ofInt16(lap);
        m_state.writeLogRow(m_state.nodeLogNext, plid, nodeKey, now, lap);

        if (bits::textToNumber(m_host.lblMeineID().caption()) == car.PlayerId) {
            m_host.Label5().setCaption(number(car.Node));
        }
    }

    if (place == packetsInSet) {
        m_state.SortStandings(0, RaceState::kStandingsRows - 1, RaceState::kNodeKey);
        if (m_host.Check1().ticked()) {
            m_gaps.ShowGapsInDX();
            pumpOnce();
        }
    }
}

void PacketDispatcher::handleGauge(Buffer bytes) {
    const std::uint8_t shift = GaugeRecord::read(bytes).ShiftIndicator;
    // The game's gauge packets carry lamp flags here; only the shift light counts.
    const bool show = shapedLikePacket(bytes) ? shift == kShiftLight : (shift & kShiftLight) != 0;
    if (show) {
        m_host.GrafikInDXZeigen(kShiftPicture);
    } else {
        m_host.GrafikInDXVerbergen(kShiftPicture);
    }
}

void PacketDispatcher::pumpOnce() {
    // A set completed inside the pump does not pump again: the running pump
    // goes on with what is waiting, so the nesting stays at one level.
    if (m_pumping) {
        return;
    }
    m_pumping = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_pumping};
    m_host.pump();
}

}  // namespace rennlupe::insim
