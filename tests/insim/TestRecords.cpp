#include "bits/Overflow.h"
#include "insim/GaugeRecord.h"
#include "insim/MciRecord.h"
#include "insim/NplRecord.h"
#include "insim/StaRecord.h"
#include "insim/VerRecord.h"

#include "support/bytesOf.h"
#include "support/makePackets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace rennlupe::insim {
namespace {

using support::bytesOf;
// Datagrams of exactly their length on the heap, so a read past one is caught.
using support::packetOf;
using support::putText;

template <std::size_t N>
std::array<std::uint8_t, N> text(std::string_view value) {
    std::array<std::uint8_t, N> out{};
    std::copy(value.begin(), value.end(), out.begin());
    return out;
}

TEST(VerRecord, ReadsVersionAndProduct) {
    auto bytes = packetOf("VER", VerRecord::kSize);
    putText(bytes, 4, "1.2");
    putText(bytes, 12, "ABCDEF");
    const VerRecord ver = VerRecord::read(bytes);
    EXPECT_EQ(ver.Version, text<8>("1.2"));
    EXPECT_EQ(ver.Product, text<6>("ABCDEF"));
}

TEST(StaRecord, ReadsEachFieldAtItsOffset) {
    auto bytes = packetOf("STA", StaRecord::kSize);
    for (std::size_t i = 3; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i);
    }
    const StaRecord sta = StaRecord::read(bytes);
    EXPECT_EQ(sta.InGameCam, 10);
    EXPECT_EQ(sta.ViewPlayer, 11);
    EXPECT_EQ(sta.NumPlayers, 12);
    EXPECT_EQ(sta.RaceInProgress, 15);
    EXPECT_EQ(sta.QualMins, 16);
    EXPECT_EQ(sta.Laps, 17);
    EXPECT_EQ(sta.Track, (std::array<std::uint8_t, 6>{20, 21, 22, 23, 24, 25}));
    EXPECT_EQ(sta.Weather, 26);
    EXPECT_EQ(sta.Wind, 27);
}

TEST(StaRecord, AShortDatagramReadsAsPaddedWithZeros) {
    const StaRecord sta = StaRecord::read(bytesOf("STA"));
    EXPECT_EQ(sta.InGameCam, 0);
    EXPECT_EQ(sta.ViewPlayer, 0);
    EXPECT_EQ(sta.NumPlayers, 0);
    EXPECT_EQ(sta.Laps, 0);
    EXPECT_EQ(sta.Track, (std::array<std::uint8_t, 6>{}));
    EXPECT_EQ(sta.Wind, 0);

    // Cut inside the track name: what is there is read, the rest is zero.
    auto cut = packetOf("STA", 22);
    putText(cut, 20, "BL");
    EXPECT_EQ(StaRecord::read(cut).Track, text<6>("BL"));
}

TEST(NplRecord, ReadsNamesIdAndPlayerNumber) {
    auto bytes = packetOf("NPL", NplRecord::kSize);
    putText(bytes, 28, "Max");
    putText(bytes, 60, "Team");
    bytes[95] = 17;
    bytes[96] = 4;
    const NplRecord npl = NplRecord::read(bytes);
    EXPECT_EQ(npl.PlayerName, text<24>("Max"));
    EXPECT_EQ(npl.SecondName, text<32>("Team"));
    EXPECT_EQ(npl.UniqueId, 17);
    EXPECT_EQ(npl.PlayerNumber, 4);
}

TEST(MciRecord, ReadsHeaderAndEightCarsWithoutTheirNodeFlags) {
    auto bytes = packetOf("MCI", MciRecord::kSize);
    bytes[4] = 0x10;  // NumNodes 0x0210 = 528
    bytes[5] = 0x02;
    bytes[6] = 0x2C;  // FinishNode 300
    bytes[7] = 0x01;
    bytes[8] = 9;
    bytes[9] = 8;
    for (std::size_t k = 0; k < 8; ++k) {
        const std::size_t car = 12 + 24 * k;
        bytes[car] = static_cast<std::uint8_t>(k);
        bytes[car + 1] = static_cast<std::uint8_t>(0xE0 | k);  // flag bits set
        bytes[car + 2] = static_cast<std::uint8_t>(k + 1);
        bytes[car + 3] = static_cast<std::uint8_t>(k + 20);
        std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(car + 4), 20, 0xFF);
    }
    const MciRecord mci = MciRecord::read(bytes);
    EXPECT_EQ(mci.NumNodes(), 528);
    EXPECT_EQ(mci.FinishNode(), 300);
    EXPECT_EQ(mci.NumPlayers, 9);
    EXPECT_EQ(mci.FirstCar, 8);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(mci.Cars[k].Node, static_cast<int>(k * 256 + k)) << "car " << k;
        EXPECT_EQ(mci.Cars[k].Lap, k + 1) << "car " << k;
        EXPECT_EQ(mci.Cars[k].PlayerId, k + 20) << "car " << k;
    }
}

TEST(MciRecord, NodeIsFiveBitsOfTheHighByteAndTheLowByte) {
    auto bytes = packetOf("MCI", MciRecord::kSize);
    bytes[12] = 0x34;
    bytes[13] = 0xE2;
    bytes[12 + 24] = 0xFF;
    bytes[13 + 24] = 0xFF;
    const MciRecord mci = MciRecord::read(bytes);
    EXPECT_EQ(mci.Cars[0].Node, 564);
    EXPECT_EQ(mci.Cars[1].Node, 8191);
}

TEST(MciRecord, SixteenBitFieldsOverflowOnlyWhenFormed) {
    auto bytes = packetOf("MCI", MciRecord::kSize);
    bytes[5] = 0x80;
    bytes[6] = 0xFF;
    bytes[7] = 0x7F;
    bytes[8] = 3;
    bytes[15] = 7;                                 // car 0 PlayerId
    const MciRecord mci = MciRecord::read(bytes);  // reading never fails
    EXPECT_EQ(mci.NumPlayers, 3);
    EXPECT_EQ(mci.Cars[0].PlayerId, 7);
    EXPECT_THROW((void)mci.NumNodes(), bits::Overflow);
    EXPECT_EQ(mci.FinishNode(), 32767);

    bytes[7] = 0xC0;
    EXPECT_THROW((void)MciRecord::read(bytes).FinishNode(), bits::Overflow);
}

TEST(MciRecord, ACutDatagramReadsItsMissingCarsAsEmpty) {
    auto bytes = packetOf("MCI", 12 + 24 + 3);  // car 1 cut after its lap byte
    bytes[8] = 2;
    bytes[15] = 5;
    bytes[12 + 24 + 2] = 4;
    const MciRecord mci = MciRecord::read(bytes);
    EXPECT_EQ(mci.Cars[0].PlayerId, 5);
    EXPECT_EQ(mci.Cars[1].Lap, 4);
    EXPECT_EQ(mci.Cars[1].PlayerId, 0);
    for (std::size_t k = 2; k < 8; ++k) {
        EXPECT_EQ(mci.Cars[k].PlayerId, 0);
        EXPECT_EQ(mci.Cars[k].Node, 0);
    }
    EXPECT_EQ(MciRecord::read(bytesOf("MCI")).NumNodes(), 0);
}

TEST(GaugeRecord, TakesOnlyTheShiftIndicator) {
    std::vector<std::uint8_t> bytes(GaugeRecord::kSize, 0xFF);
    bytes[8] = 1;
    EXPECT_EQ(GaugeRecord::read(bytes).ShiftIndicator, 1);
    EXPECT_EQ(GaugeRecord::read(std::vector<std::uint8_t>(1025, 0)).ShiftIndicator, 0);
    EXPECT_EQ(GaugeRecord::read(bytesOf("XYZ")).ShiftIndicator, 0);
    // Bytes after the record are ignored.
    std::vector<std::uint8_t> longer(500, 0);
    longer[8] = 2;
    longer[200] = 1;
    EXPECT_EQ(GaugeRecord::read(longer).ShiftIndicator, 2);
}

}  // namespace
}  // namespace rennlupe::insim
