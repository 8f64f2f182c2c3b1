#include "insim10/IsMci.h"
#include "insim10/Packet.h"
#include "insim10/PacketDecoder.h"

#include "hexBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace rennlupe::insim10 {
namespace {

// The packets the stand-in game writes, every field set, as the decoder must read them back.
using Written =
    std::variant<IsVer, IsTiny, IsSmall, IsSta, IsNpl, IsPlp, IsPll, IsRst, IsMci, OutGaugePack>;

CompCar car(std::uint8_t plid) {
    return {0x1234, 0x0203, plid, 3, 0xC0, -70000, 65536 * 300, 1, 0xFFFF, 0x8001, 0x4000, -8192};
}

IsMci mci(std::uint8_t cars) {
    IsMci out{.ReqI = 4, .NumC = cars};
    for (std::uint8_t i = 0; i < cars; ++i) {
        out.Info[i] = car(static_cast<std::uint8_t>(i + 1));
    }
    return out;
}

const std::vector<Written> kSamples = {
    IsVer{9, {'0', '.', '8', 'A'}, {'S', '3'}, 10},
    IsTiny{3, 7},
    IsSmall{2, 2, 0x01020304},
    IsSta{1, 1.5F, 0x4201, 3, 7, 12, 13, 2, 1, 10, 5, 1, {'B', 'L', '1'}, 2, 1},
    IsNpl{1,          2,
          3,          2,
          0x100,      {'^', 'E', 0xA3},
          {'R', 'L'}, {'X', 'R', 'T'},
          {'D'},      {1, 2, 3, 4},
          10,         20,
          1,          2,
          3,          4,
          0x18,       5,
          6,          7,
          80},
    IsPlp{0, 9},
    IsPll{0, 48},
    IsRst{6, 5, 0, 20, 0x43, {'A', 'S', '3'}, 1, 2, 0x8001, 400, 150, 250, 350, 50},
    mci(1),
    mci(16),
    OutGaugePack{123456, {'X', 'R', 'T'}, 0x4001,  3,     5,    60.5F, 7100.0F, 0.5F,  90.0F, 0.6F,
                 4.0F,   100.0F,          0x20403, 0x401, 1.0F, 0.25F, 0.0F,    {'F'}, {'B'}, 0},
    OutGaugePack{42, {}, 0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1.0F, {}, {}, std::nullopt},
};

class GamePackets : public ::testing::TestWithParam<Written> {};

TEST_P(GamePackets, ReadBackAsWritten) {
    std::visit(
        [](const auto& packet) {
            using Layout = std::decay_t<decltype(packet)>;
            const auto bytes = packet.bytes();
            PacketDecoder decoder;
            const auto decoded = decoder.decode(bytes);
            ASSERT_TRUE(decoded.has_value());
            ASSERT_TRUE(std::holds_alternative<Layout>(*decoded)) << decoded->index();
            EXPECT_EQ(std::get<Layout>(*decoded), packet);
        },
        GetParam());
}

INSTANTIATE_TEST_SUITE_P(Samples, GamePackets, ::testing::ValuesIn(kSamples));

// Sizes and the little-endian signed fields, by hand.
TEST(GamePackets, MciAndCompCarBytes) {
    const auto bytes = mci(16).bytes();
    ASSERT_EQ(bytes.size(), 452U);
    EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + 32),
              hexBytes("71 26 04 10 34 12 03 02 01 03 c0 00 90 ee fe ff"
                       "00 00 2c 01 01 00 00 00 ff ff 01 80 00 40 00 e0"));
    EXPECT_EQ(mci(3).bytes().front(), (4 + 3 * 28) / 4);
    EXPECT_EQ(std::get<OutGaugePack>(kSamples.back()).bytes().size(), 92U);
}

}  // namespace
}  // namespace rennlupe::insim10
