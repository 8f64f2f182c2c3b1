#include "bits/Overflow.h"
#include "insim/byt2str.h"
#include "insim/classifyPacket.h"
#include "insim/GaugeRecord.h"
#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/PacketDispatcher.h"
#include "insim/RaceState.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"
#include "insim/Windows1252.h"
#include "support/ManualClock.h"
#include "support/RecordingDispatchHost.h"
#include "support/RecordingMessageLine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

using namespace rennlupe;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

template <typename Field>
void decodeField(const Field& field, bits::MessageLine& line) {
    (void)insim::byt2str(field, line);
}

void readFormedValue(const insim::MciRecord& mci) {
    try {
        check(mci.NumNodes() >= 0);
        check(mci.FinishNode() >= 0);
    } catch (const bits::Overflow&) {
        check(mci.NumNodesBytes[1] >= 0x80 || mci.FinishNodeBytes[1] >= 0x80);
    }
}

// One race for the whole run, so datagrams meet in every order and state.
struct LongLivedRace {
    insim::RaceState state;
    support::RecordingDispatchHost host;
    support::ManualClock clock{40000.0};
    insim::PacketDispatcher dispatcher{state, host, clock};
};

void dispatch(std::span<const std::uint8_t> datagram) {
    static LongLivedRace race;
    race.host.clearRecords();
    race.clock.advance(0.01);
    if (!datagram.empty() && datagram[0] == 'V') {
        race.host.cmdConnect().setCaption("Cancel");
    }
    try {
        race.dispatcher.DispatchPacket(datagram, static_cast<std::int32_t>(datagram.size()) - 1);
    } catch (const bits::Error&) {
        // A failing step ends that datagram's handling, as the window's routing does.
    }
    check(race.state.nodeLogNext >= 0 && race.state.nodeLogNext < insim::RaceState::kLogWrapRow);
    check(race.host.lngTimer() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> datagram(data, size);
    support::RecordingMessageLine line;

    (void)insim::classifyPacket(datagram);

    const auto ver = insim::VerRecord::read(datagram);
    decodeField(ver.Version, line);
    decodeField(ver.Product, line);
    const auto sta = insim::StaRecord::read(datagram);
    decodeField(sta.Track, line);
    const auto npl = insim::NplRecord::read(datagram);
    decodeField(npl.PlayerName, line);
    decodeField(npl.SecondName, line);
    const auto mci = insim::MciRecord::read(datagram);
    readFormedValue(mci);
    for (const auto& car : mci.Cars) {
        check(car.Node >= 0 && car.Node <= 8191);
    }
    (void)insim::GaugeRecord::read(datagram);
    check(line.messages().empty());  // fields are far shorter than 255 bytes

    // The whole datagram as one text field reaches the terminator limit.
    (void)insim::byt2str(datagram, line);
    check(line.messages().size() <= 1);

    // Every byte decodes and encodes back to itself.
    const std::string utf8 = insim::windows1252ToUtf8(datagram);
    const auto back = insim::utf8ToWindows1252(utf8);
    check(back.size() == size && std::equal(back.begin(), back.end(), datagram.begin()));
    // Arbitrary bytes as UTF-8: never more bytes out than in.
    const std::string_view asText(reinterpret_cast<const char*>(data), size);
    check(insim::utf8ToWindows1252(asText).size() <= size);

    dispatch(datagram);
    return 0;
}
