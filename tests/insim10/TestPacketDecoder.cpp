#include "insim10/PacketDecoder.h"

#include "countedAllocations.h"
#include "hexBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace rennlupe::insim10 {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A packet of the given length whose byte i holds i after the header, so each field reads as
// its own offset; the vector is exactly that long, so a read past it is caught by the sanitizer.
Bytes packet(std::size_t size, std::uint8_t type, std::uint8_t byte3) {
    Bytes bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    bytes[0] = static_cast<std::uint8_t>(size / 4);
    bytes[1] = type;
    bytes[2] = 2;
    bytes[3] = byte3;
    return bytes;
}

std::int64_t le(std::size_t offset, std::size_t width) {
    std::int64_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = value * 256 + static_cast<std::uint8_t>(offset + i);
    }
    return value;
}

Bytes outGauge(std::size_t size) {
    Bytes bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{100});
    return bytes;
}

template <typename Layout>
Layout decodeAs(const Bytes& datagram) {
    PacketDecoder decoder;
    const std::optional<Packet> decoded = decoder.decode(datagram);
    EXPECT_TRUE(decoded && std::holds_alternative<Layout>(*decoded));
    return decoded && std::holds_alternative<Layout>(*decoded) ? std::get<Layout>(*decoded)
                                                               : Layout{};
}

TEST(PacketDecoder, DropsHostileDatagramsByReason) {
    const Bytes ver = packet(20, kIspVer, 0);
    const Bytes truncatedVer(ver.begin(), ver.begin() + 16);
    Bytes msoStartPastText = packet(12, kIspMso, 0);
    msoStartPastText[6] = 1;
    msoStartPastText[7] = 4;  // Msg holds bytes 0 to 3
    Bytes msoUnknownUser = packet(16, kIspMso, 0);
    msoUnknownUser[7] = 0;
    struct Case {
        std::string name;
        Bytes datagram;
        DropReason reason;
    };
    const std::vector<Case> cases = {
        {"empty", {}, DropReason::TooShort},
        {"three bytes", {1, kIspTiny, 0}, DropReason::TooShort},
        {"Size 0", {0, kIspTiny, 0, 0}, DropReason::SizeZero},
        {"Size 0, longer", Bytes{0, kIspSmall, 0, 0, 5, 0, 0, 0}, DropReason::SizeZero},
        {"Size larger than the datagram", {2, kIspTiny, 0, 0}, DropReason::SizeMismatch},
        {"Size 255 in 4 bytes", {255, kIspTiny, 0, 0}, DropReason::SizeMismatch},
        {"Size smaller than the datagram",
         {1, kIspTiny, 0, 0, 0, 0, 0, 0},
         DropReason::SizeMismatch},
        {"truncated VER", truncatedVer, DropReason::SizeMismatch},
        {"Type 0", {1, 0, 0, 0}, DropReason::UnknownType},
        {"Type 99", {1, 99, 0, 0}, DropReason::UnknownType},
        {"ISI, which only the game reads", packet(44, kIspIsi, 0), DropReason::UnknownType},
        {"TINY of 8 bytes", packet(8, kIspTiny, 0), DropReason::Refused},
        {"STA of 24 bytes", packet(24, kIspSta, 0), DropReason::Refused},
        {"MCI NumC 17", packet(4 + 17 * 28, kIspMci, 17), DropReason::Refused},
        {"MCI NumC beyond the packet", packet(4 + 28, kIspMci, 2), DropReason::Refused},
        {"NLP NumP 49", packet(300, kIspNlp, 49), DropReason::Refused},
        {"NLP NumP beyond the packet", packet(20, kIspNlp, 3), DropReason::Refused},
        {"MSO TextStart past the text", msoStartPastText, DropReason::Refused},
        {"MSO UserType 6", msoUnknownUser, DropReason::Refused},
        {"MSO of 140 bytes", packet(140, kIspMso, 0), DropReason::Refused},
    };
    for (const Case& c : cases) {
        PacketDecoder decoder;
        EXPECT_FALSE(decoder.decode(c.datagram)) << c.name;
        for (std::size_t r = 0; r < kDropReasons; ++r) {
            const auto reason = static_cast<DropReason>(r);
            EXPECT_EQ(decoder.dropped(reason), reason == c.reason ? 1U : 0U) << c.name << " " << r;
        }
    }
}

// No MCI is 92 or 96 bytes; an NLP of 15 cars and an MSO can be.
TEST(PacketDecoder, TellsInSimFromOutGaugeAtTheirSharedLengths) {
    Bytes sizeZero = outGauge(96);
    sizeZero[0] = 0;
    Bytes mso92 = packet(92, kIspMso, 0);
    mso92[6] = 1;
    mso92[7] = 3;
    Bytes carName = outGauge(96);  // Time's low bytes as MSO's header, "XFG" as UCID to UserType
    carName[0] = 24;
    carName[1] = kIspMso;
    std::copy_n("XFG", 4, carName.begin() + 4);
    const std::vector<std::tuple<std::string, Bytes, std::size_t>> cases = {
        {"NLP of 15 cars", packet(96, kIspNlp, 15), Packet(IsNlp{}).index()},
        {"NLP header with 14 cars", packet(96, kIspNlp, 14), Packet(OutGaugePack{}).index()},
        {"NLP header in 92 bytes", packet(92, kIspNlp, 14), Packet(OutGaugePack{}).index()},
        {"MSO of 92 bytes", mso92, Packet(IsMso{}).index()},
        {"MSO header over a car name", carName, Packet(OutGaugePack{}).index()},
        {"Size 0", sizeZero, Packet(OutGaugePack{}).index()},
        {"gauge of 92", outGauge(92), Packet(OutGaugePack{}).index()},
        {"gauge of 96", outGauge(96), Packet(OutGaugePack{}).index()},
    };
    for (const auto& [name, datagram, index] : cases) {
        PacketDecoder decoder;
        const std::optional<Packet> decoded = decoder.decode(datagram);
        ASSERT_TRUE(decoded) << name;
        EXPECT_EQ(decoded->index(), index) << name;
        for (std::size_t r = 0; r < kDropReasons; ++r) {
            EXPECT_EQ(decoder.dropped(static_cast<DropReason>(r)), 0U) << name;
        }
    }
    PacketDecoder decoder;
    EXPECT_FALSE(decoder.decode(outGauge(100)));
    EXPECT_FALSE(decoder.decode(outGauge(91)));
}

TEST(PacketDecoder, ReadsEachFieldAtItsOffset) {
    const auto mci = decodeAs<IsMci>(packet(4 + 2 * 28, kIspMci, 2));
    ASSERT_EQ(mci.cars().size(), 2U);
    const CompCar& car = mci.cars()[1];
    EXPECT_EQ(std::tuple(mci.ReqI, car.Node, car.Lap, car.PLID, car.Position, car.Info),
              std::tuple(2, le(32, 2), le(34, 2), 36, 37, 38));
    EXPECT_EQ(
        std::tuple(car.X, car.Y, car.Z, car.Speed, car.Direction, car.Heading, car.AngVel),
        std::tuple(le(40, 4), le(44, 4), le(48, 4), le(52, 2), le(54, 2), le(56, 2), le(58, 2)));
    Bytes negative = packet(32, kIspMci, 1);
    std::fill(negative.begin() + 12, negative.begin() + 16, 0xFF);
    negative[30] = negative[31] = 0xFF;
    const CompCar turning = decodeAs<IsMci>(negative).cars()[0];
    EXPECT_EQ(std::tuple(turning.X, turning.AngVel), std::tuple(-1, -1));

    EXPECT_EQ(decodeAs<IsMci>(packet(4 + 16 * 28, kIspMci, 16)).cars().size(), 16U);
    EXPECT_EQ(decodeAs<IsNlp>(packet(292, kIspNlp, 48)).cars().size(), 48U);

    const auto sta = decodeAs<IsSta>(packet(28, kIspSta, 0));
    EXPECT_EQ(std::tuple(sta.Flags, sta.ViewPLID, sta.NumP, sta.RaceInProg, sta.RaceLaps, sta.Wind),
              std::tuple(le(8, 2), 11, 12, 15, 17, 27));
    EXPECT_EQ(sta.Track[0], 20);
    const auto npl = decodeAs<IsNpl>(packet(76, kIspNpl, 3));
    EXPECT_EQ(std::tuple(npl.PLID, npl.UCID, npl.PType, npl.Flags, npl.PName[0], npl.CName[0],
                         npl.RIFlags, npl.NumP, npl.Fuel),
              std::tuple(3, 4, 5, le(6, 2), 8, 40, 70, 73, 75));
    const auto rst = decodeAs<IsRst>(packet(28, kIspRst, 0));
    EXPECT_EQ(std::tuple(rst.NumP, rst.Flags, rst.NumNodes, rst.Finish, rst.Split3),
              std::tuple(6, le(16, 2), le(18, 2), le(20, 2), le(26, 2)));
    const auto lap = decodeAs<IsLap>(packet(20, kIspLap, 3));
    EXPECT_EQ(std::tuple(lap.PLID, lap.LTime, lap.ETime, lap.LapsDone, lap.Fuel200),
              std::tuple(3, le(4, 4), le(8, 4), le(12, 2), 19));
    const auto spx = decodeAs<IsSpx>(packet(16, kIspSpx, 3));
    EXPECT_EQ(std::tuple(spx.STime, spx.ETime, spx.Split, spx.Fuel200),
              std::tuple(le(4, 4), le(8, 4), 12, 15));
    const auto ver = decodeAs<IsVer>(packet(20, kIspVer, 0));
    EXPECT_EQ(std::tuple(ver.Version[0], ver.Product[0], ver.InSimVer), std::tuple(4, 12, 18));
    const auto cnl = decodeAs<IsCnl>(packet(8, kIspCnl, 3));
    EXPECT_EQ(std::tuple(cnl.UCID, cnl.Reason, cnl.Total), std::tuple(3, 4, 5));
    EXPECT_EQ(decodeAs<IsPlp>(packet(4, kIspPlp, 9)).PLID, 9);
    EXPECT_EQ(decodeAs<IsPll>(packet(4, kIspPll, 9)).PLID, 9);
    EXPECT_EQ(decodeAs<IsCrs>(packet(4, kIspCrs, 9)).PLID, 9);

    Bytes chat = packet(20, kIspMso, 0);
    chat[6] = 1;
    chat[7] = 11;
    const auto mso = decodeAs<IsMso>(chat);
    EXPECT_EQ(std::tuple(mso.UCID, mso.PLID, mso.UserType, mso.TextStart, mso.msg().size()),
              std::tuple(4, 5, 1, 11, 12U));
    EXPECT_EQ(std::tuple(mso.msg().front(), mso.msg().back()), std::tuple(8, 19));

    const auto gauge = decodeAs<OutGaugePack>(outGauge(96));
    EXPECT_EQ(std::tuple(gauge.Flags, gauge.Gear, gauge.PLID, gauge.DashLights, gauge.ShowLights,
                         gauge.Display1[0], gauge.Display2[15], gauge.ID.value_or(0)),
              std::tuple(le(108, 2), 110, 111, le(140, 4), le(144, 4), 160, 191,
                         static_cast<std::int32_t>(static_cast<std::uint32_t>(le(192, 4)))));
    EXPECT_FALSE(decodeAs<OutGaugePack>(outGauge(92)).ID);
}

// A 48-car race sends 100 sets a second: no datagram, good or bad, takes memory from the heap.
TEST(PacketDecoder, DecodesWithoutTheHeap) {
    Bytes chat = packet(136, kIspMso, 0);
    chat[6] = 1;
    chat[7] = 0;
    const std::vector<Bytes> datagrams = {
        packet(292, kIspNlp, 48), packet(452, kIspMci, 16), chat, outGauge(96),
        packet(300, kIspNlp, 49), Bytes{0, 3, 0, 0}};
    PacketDecoder decoder;
    const std::size_t before = allocationCount();
    for (const Bytes& datagram : datagrams) {
        EXPECT_EQ(decoder.decode(datagram).has_value(), datagram.size() != 300 && datagram[0] != 0);
    }
    EXPECT_EQ(allocationCount(), before);
}

// Measured: three cars in 22 bytes padded to 24.
TEST(PacketDecoder, ReadsTheMeasuredThreeCarNodeLap) {
    const auto nlp = decodeAs<IsNlp>(
        hexBytes("06 25 00 03 32 00 02 00 04 01 31 00 02 00 09 02 84 03 01 00 0b 03 00 00"));
    std::vector<std::tuple<int, int, int, int>> cars;
    for (const NodeLap& car : nlp.cars()) {
        cars.emplace_back(car.Node, car.Lap, car.PLID, car.Position);
    }
    EXPECT_EQ(cars, (std::vector<std::tuple<int, int, int, int>>{
                        {50, 2, 4, 1}, {49, 2, 9, 2}, {900, 1, 11, 3}}));
}

// The shift light is on only where the car has it and shows it; DL_x are bit numbers.
TEST(OutGaugePack, TellsALightByItsBitNumber) {
    OutGaugePack gauge;
    gauge.DashLights = 0x101;  // SHIFT and OILWARN
    gauge.ShowLights = 0x106;
    EXPECT_EQ(std::tuple(gauge.lightOn(OutGaugePack::kDlShift), gauge.lightOn(8), gauge.lightOn(1),
                         gauge.lightOn(2), gauge.lightOn(40)),
              std::tuple(false, true, false, false, false));
}

}  // namespace
}  // namespace rennlupe::insim10
