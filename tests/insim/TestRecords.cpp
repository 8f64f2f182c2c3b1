#include "insim/classifyPacket.h"
#include "insim/GaugeRecord.h"
#include "insim/IsiRecord.h"
#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/ShortPacketRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"

#include "support/bytesOf.h"
#include "support/makePackets.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace rennlupe::insim {
namespace {

using namespace std::string_view_literals;
using support::bytesOf;
using Bytes = std::vector<std::uint8_t>;

// Byte i of the datagram holds i, so each field reads as its own offset. The
// datagrams are exactly their length on the heap, so a read past one is caught.
Bytes counting(std::size_t size) {
    Bytes bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

template <std::size_t N>
std::array<std::uint8_t, N> from(std::uint8_t first) {
    std::array<std::uint8_t, N> out{};
    std::iota(out.begin(), out.end(), first);
    return out;
}

// The first three bytes exactly, byte 3 unread; anything else is a gauge packet.
TEST(ClassifyPacket, KnowsTheSixIdentifiersExactly) {
    using Case = std::pair<std::string_view, PacketKind>;
    for (const auto& [datagram, kind] :
         {Case{"VER\0"sv, PacketKind::VER}, Case{"RST\0"sv, PacketKind::RST},
          Case{"STA", PacketKind::STA}, Case{"NPL\0\x05"sv, PacketKind::NPL},
          Case{"MCI\0"sv, PacketKind::MCI}, Case{"ACK\0"sv, PacketKind::ACK},
          Case{"VERX", PacketKind::VER}, Case{"sta", PacketKind::Gauge},
          Case{"Sta", PacketKind::Gauge}, Case{"ST", PacketKind::Gauge},
          Case{"", PacketKind::Gauge}, Case{"XYZ\0"sv, PacketKind::Gauge},
          Case{" VER", PacketKind::Gauge}, Case{"\0STA"sv, PacketKind::Gauge},
          Case{"MC\0I"sv, PacketKind::Gauge}}) {
        EXPECT_EQ(classifyPacket(support::bytesOf(datagram)), kind) << datagram;
    }
    EXPECT_EQ(classifyPacket(std::vector<std::uint8_t>(1025, 0)), PacketKind::Gauge);
}

TEST(Records, ReadEachFieldAtItsOffset) {
    const VerRecord ver = VerRecord::read(counting(VerRecord::kSize));
    EXPECT_EQ(ver.Version, from<8>(4));
    EXPECT_EQ(ver.Product, from<6>(12));

    const StaRecord sta = StaRecord::read(counting(StaRecord::kSize));
    EXPECT_EQ(std::tuple(sta.InGameCam, sta.ViewPlayer, sta.NumPlayers, sta.RaceInProgress,
                         sta.QualMins, sta.Laps, sta.Weather, sta.Wind),
              std::tuple(10, 11, 12, 15, 16, 17, 26, 27));
    EXPECT_EQ(sta.Track, from<6>(20));

    const NplRecord npl = NplRecord::read(counting(NplRecord::kSize));
    EXPECT_EQ(npl.PlayerName, from<24>(28));
    EXPECT_EQ(npl.SecondName, from<32>(60));
    EXPECT_EQ(std::tuple(npl.UniqueId, npl.PlayerNumber), std::tuple(95, 96));

    EXPECT_EQ(GaugeRecord::read(counting(GaugeRecord::kSize)).ShiftIndicator, 8);
    const ShortPacketRecord answer = ShortPacketRecord::read(counting(8));
    EXPECT_EQ(std::tuple(answer.Parameter1, answer.Parameter2, answer.Parameter3),
              std::tuple(4, 5, 6));

    // Node: the low byte and five bits of the high byte; bits 6 to 8 are flags.
    const MciRecord mci = MciRecord::read(counting(MciRecord::kSize));
    EXPECT_EQ(std::tuple(mci.NumNodes(), mci.FinishNode(), mci.NumPlayers, mci.FirstCar),
              std::tuple(0x0504, 0x0706, 8, 9));
    const std::array<int, 8> nodes = {3340, 1316, 7484, 5460, 3436, 1412, 7580, 5556};
    for (std::size_t k = 0; k < 8; ++k) {
        const int car = 12 + 24 * static_cast<int>(k);
        EXPECT_EQ(std::tuple(mci.Cars[k].Node, mci.Cars[k].Lap, mci.Cars[k].PlayerId),
                  std::tuple(nodes[k], car + 2, car + 3))
            << "car " << k;
    }

    // The game's side of the program's login: the port low byte first.
    const IsiRecord isi = IsiRecord::read(counting(IsiRecord::kSize));
    EXPECT_EQ(std::tuple(isi.Port, isi.Flags), std::tuple(0x0504, 6));
    EXPECT_EQ(isi.Admin, from<16>(8));
}

TEST(Records, AShortDatagramReadsAsPaddedWithZeros) {
    const StaRecord sta = StaRecord::read(bytesOf("STA"));
    EXPECT_EQ(std::tuple(sta.InGameCam, sta.NumPlayers, sta.Laps, sta.Wind),
              std::tuple(0, 0, 0, 0));
    auto cut = support::packetOf("STA", 22);  // cut inside the track name
    support::putText(cut, 20, "BL");
    EXPECT_EQ(StaRecord::read(cut).Track, (std::array<std::uint8_t, 6>{'B', 'L'}));

    auto mciBytes = support::packetOf("MCI", 12 + 24 + 3);  // car 1 cut after its lap byte
    mciBytes[15] = 5;
    mciBytes[12 + 24 + 2] = 4;
    const MciRecord mci = MciRecord::read(mciBytes);
    EXPECT_EQ(std::tuple(mci.Cars[0].PlayerId, mci.Cars[1].Lap, mci.Cars[1].PlayerId),
              std::tuple(5, 4, 0));
    EXPECT_EQ(mci.Cars[7].Node, 0);
    EXPECT_EQ(MciRecord::read(bytesOf("MCI")).NumNodes(), 0);
    EXPECT_EQ(GaugeRecord::read(bytesOf("XYZ")).ShiftIndicator, 0);
}

}  // namespace
}  // namespace rennlupe::insim
