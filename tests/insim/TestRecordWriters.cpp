#include "insim/classifyPacket.h"
#include "insim/GaugeRecord.h"
#include "insim/IsiRecord.h"
#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/ShortPacketRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"

#include "support/bytesOf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <tuple>
#include <vector>

namespace rennlupe::insim {
namespace {

using namespace std::string_view_literals;

// What the stand-in game writes must read back through the program's own readers.
TEST(RecordWriters, ReadBackThroughTheReaders) {
    VerRecord ver;
    ver.Product = {'S', '2'};
    ver.Version = {'0', '.', '7', 'F'};
    const auto verBytes = ver.write();
    EXPECT_EQ(classifyPacket(verBytes), PacketKind::VER);
    EXPECT_EQ(VerRecord::read(verBytes).Product, ver.Product);
    EXPECT_EQ(VerRecord::read(verBytes).Version, ver.Version);

    StaRecord sta;
    sta.InGameCam = 1;
    sta.ViewPlayer = 2;
    sta.NumPlayers = 3;
    sta.RaceInProgress = 4;
    sta.QualMins = 5;
    sta.Laps = 6;
    sta.Track = {'B', 'L', '1'};
    sta.Weather = 7;
    sta.Wind = 8;
    const auto staBytes = sta.write();
    const StaRecord staBack = StaRecord::read(staBytes);
    EXPECT_EQ(classifyPacket(staBytes), PacketKind::STA);
    EXPECT_EQ(std::make_tuple(staBack.InGameCam, staBack.ViewPlayer, staBack.NumPlayers,
                              staBack.RaceInProgress, staBack.QualMins, staBack.Laps, staBack.Track,
                              staBack.Weather, staBack.Wind),
              std::make_tuple(1, 2, 3, 4, 5, 6, sta.Track, 7, 8));

    NplRecord npl;
    npl.PlayerName = {'M', 'a', 'x'};
    npl.SecondName = {'T', 'e', 'a', 'm'};
    npl.UniqueId = 17;
    npl.PlayerNumber = 4;
    const auto nplBytes = npl.write();
    const NplRecord nplBack = NplRecord::read(nplBytes);
    EXPECT_EQ(classifyPacket(nplBytes), PacketKind::NPL);
    EXPECT_EQ(nplBack.PlayerName, npl.PlayerName);
    EXPECT_EQ(nplBack.SecondName, npl.SecondName);
    EXPECT_EQ(nplBack.UniqueId, 17);
    EXPECT_EQ(nplBack.PlayerNumber, 4);

    GaugeRecord gauge;
    gauge.Time = 0x01020304;
    gauge.ShiftIndicator = 1;
    const auto gaugeBytes = gauge.write();
    EXPECT_EQ(gaugeBytes.size(), 96U);
    EXPECT_EQ(gaugeBytes[0], 0x04);
    EXPECT_EQ(gaugeBytes[3], 0x01);
    EXPECT_EQ(GaugeRecord::read(gaugeBytes).ShiftIndicator, 1);
}

TEST(RecordWriters, PositionPacketKeepsNodesLapsAndIdsAndCarriesTheFlags) {
    MciRecord mci;
    mci.NumNodesBytes = {0x90, 0x01};
    mci.FinishNodeBytes = {150, 0};
    mci.NumPlayers = 12;
    mci.FirstCar = 8;
    mci.Cars[0] = {564, 3, 9};
    mci.Cars[3] = {8191, 30, 12};
    const auto bytes = mci.write({0, 0, 0, 32 | 64 | 128});
    // The flags land in the node's high byte, outside its five node bits.
    EXPECT_EQ(bytes[MciRecord::kCarsOffset + 3 * MciCar::kSize + MciCar::kNodeHighOffset], 0xFF);
    const MciRecord back = MciRecord::read(bytes);
    EXPECT_EQ(classifyPacket(bytes), PacketKind::MCI);
    EXPECT_EQ(back.NumNodes(), 400);
    EXPECT_EQ(back.FinishNode(), 150);
    EXPECT_EQ(back.NumPlayers, 12);
    EXPECT_EQ(back.FirstCar, 8);
    for (std::size_t k = 0; k < MciRecord::kCarCount; ++k) {
        EXPECT_EQ(back.Cars[k].Node, mci.Cars[k].Node) << k;
        EXPECT_EQ(back.Cars[k].Lap, mci.Cars[k].Lap) << k;
        EXPECT_EQ(back.Cars[k].PlayerId, mci.Cars[k].PlayerId) << k;
    }
}

TEST(RecordWriters, GameSideReadsTheProgramsRequests) {
    const auto isi = IsiRecord::read(support::bytesOf("ISI\0\x2f\x75\x35\0secret\0"sv));
    EXPECT_EQ(isi.Port, 29999);
    EXPECT_EQ(isi.Flags, IsiRecord::kFlags);
    EXPECT_EQ(isi.Admin, (std::array<std::uint8_t, 16>{'s', 'e', 'c', 'r', 'e', 't'}));

    ShortPacketRecord answer;
    answer.Parameter1 = 5;
    const auto bytes = answer.write("NPL");
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
              support::bytesOf("NPL\0\x05\0\0\0"sv));
    EXPECT_EQ(ShortPacketRecord::read(bytes).Parameter1, 5);
    EXPECT_EQ(classifyPacket(ShortPacketRecord{}.write("RST")), PacketKind::RST);
}

}  // namespace
}  // namespace rennlupe::insim
