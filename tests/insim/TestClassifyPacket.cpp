#include "insim/classifyPacket.h"

#include "support/bytesOf.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace rennlupe::insim {
namespace {

using namespace std::string_view_literals;
using support::bytesOf;

PacketKind kindOf(std::string_view datagram) {
    return classifyPacket(bytesOf(datagram));
}

TEST(ClassifyPacket, KnowsTheSixIdentifiersExactly) {
    EXPECT_EQ(kindOf("VER\0"sv), PacketKind::VER);
    EXPECT_EQ(kindOf("RST\0"sv), PacketKind::RST);
    EXPECT_EQ(kindOf("STA"), PacketKind::STA);
    EXPECT_EQ(kindOf("NPL\0\x05"sv), PacketKind::NPL);
    EXPECT_EQ(kindOf("MCI\0"sv), PacketKind::MCI);
    EXPECT_EQ(kindOf("ACK\0"sv), PacketKind::ACK);
    // Byte 3 is not read.
    EXPECT_EQ(kindOf("VERX"), PacketKind::VER);
}

TEST(ClassifyPacket, EverythingElseIsAGaugePacket) {
    for (const std::string_view other :
         {"sta"sv, "Sta"sv, "ST"sv, ""sv, "XYZ\0"sv, " VER"sv, "\0STA"sv, "MC\0I"sv}) {
        EXPECT_EQ(kindOf(other), PacketKind::Gauge) << other;
    }
    EXPECT_EQ(classifyPacket(std::vector<std::uint8_t>(1025, 0)), PacketKind::Gauge);
}

}  // namespace
}  // namespace rennlupe::insim
