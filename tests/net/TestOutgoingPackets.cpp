#include "bits/Overflow.h"
#include "insim/senders/SendISI.h"
#include "insim/senders/SendMST.h"
#include "insim/senders/SendShortPacket.h"
#include "net/okSocket.h"
#include "platform/eventloop/PollLoop.h"
#include "support/bytesOf.h"
#include "support/gameLoopbackAddress.h"
#include "support/RecordingMessageLine.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::insim {
namespace {

using namespace std::string_view_literals;
using support::bytesOf;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kGamePort = 29999;

Bytes withZeros(Bytes bytes, std::size_t size) {
    bytes.resize(size, 0);
    return bytes;
}

Bytes mst(const std::string& message) {
    return withZeros(bytesOf(std::string("MST\0", 4) + message), 68);
}

// The program's sending socket toward a stand-in for the game on port 29999.
class OutgoingPackets : public ::testing::Test {
protected:
    Bytes next() {
        const auto datagram = game.receive();
        EXPECT_TRUE(datagram.has_value());
        return datagram.value_or(Bytes{});
    }

    support::UdpPeer game{support::gameLoopbackAddress(), kGamePort};
    platform::PollLoop loop;
    support::RecordingMessageLine line;
    net::okSocket InSimSocket{loop, line, net::okSocket::kUdp};
    std::int32_t lngClientSocket = InSimSocket.ConnectTo(support::gameLoopbackAddress(), kGamePort);
};

TEST_F(OutgoingPackets, IsiCarriesThePortLowByteFirstAndTheCutPassword) {
    SendISI(InSimSocket, lngClientSocket, 50, "");
    EXPECT_EQ(next(), withZeros(bytesOf("ISI\0\x32\0\x35\0"sv), 24));

    SendISI(InSimSocket, lngClientSocket, 29999, "abcdefghijklmno");
    EXPECT_EQ(next(), withZeros(bytesOf("ISI\0\x2F\x75\x35\0abcdefghijklmno"sv), 24));

    SendISI(InSimSocket, lngClientSocket, 29999, "abcdefghijklmnopqrs");
    EXPECT_EQ(next(), bytesOf("ISI\0\x2F\x75\x35\0abcdefghijklmnop"sv))
        << "16 characters fill the field with no zero after them";

    // Encoded first, then cut: each of these is one byte on the wire.
    SendISI(InSimSocket, lngClientSocket, 65535, "\u00e4\u20ac\u00df\u2603");
    EXPECT_EQ(next(), withZeros(bytesOf("ISI\0\xFF\xFF\x35\0\xE4\x80\xDF?"sv), 24));

    EXPECT_THROW(SendISI(InSimSocket, lngClientSocket, 65536, ""), bits::Overflow);
    EXPECT_THROW(SendISI(InSimSocket, lngClientSocket, -1, ""), bits::Overflow);
    EXPECT_TRUE(game.quiet());
}

TEST_F(OutgoingPackets, ShortPacketsAreEightBytes) {
    for (const std::string_view id : {"VER"sv, "ACK"sv, "ISC"sv}) {
        SendShortPacket(InSimSocket, lngClientSocket, id, 0, 0, 0);
        EXPECT_EQ(next(), withZeros(bytesOf(id), 8)) << id;
    }
    SendShortPacket(InSimSocket, lngClientSocket, "NPL", 5, 0, 0);
    EXPECT_EQ(next(), bytesOf("NPL\0\x05\0\0\0"sv));
    SendShortPacket(InSimSocket, lngClientSocket, "NLI", 10, 0, 0);
    EXPECT_EQ(next(), bytesOf("NLI\0\x0A\0\0\0"sv));
    SendShortPacket(InSimSocket, lngClientSocket, "SSG", 1, 2, 3);
    EXPECT_EQ(next(), bytesOf("SSG\0\x01\x02\x03\0"sv));
}

TEST_F(OutgoingPackets, MstCarriesAtMost63BytesOfTextAndAClosingZero) {
    SendMST(InSimSocket, lngClientSocket, "abc");
    EXPECT_EQ(next(), mst("abc"));

    const std::string exact(63, 'x');
    SendMST(InSimSocket, lngClientSocket, exact);
    EXPECT_EQ(next(), mst(exact));

    SendMST(InSimSocket, lngClientSocket, std::string(63, 'y') + "zzzzzzz");
    EXPECT_EQ(next(), mst(std::string(63, 'y')));

    SendMST(InSimSocket, lngClientSocket, std::string(62, 'e') + "\u20ac\u20ac");
    EXPECT_EQ(next(), mst(std::string(62, 'e') + "\x80"))
        << "the cut counts bytes of the game's code page, not of UTF-8";
}

TEST_F(OutgoingPackets, NoSocketMeansNothingSent) {
    SendShortPacket(InSimSocket, 0, "ISC", 0, 0, 0);
    InSimSocket.CloseIt(lngClientSocket);
    SendShortPacket(InSimSocket, lngClientSocket, "ISC", 0, 0, 0);
    SendMST(InSimSocket, lngClientSocket, "abc");
    EXPECT_TRUE(game.quiet());
    EXPECT_TRUE(line.messages().empty());
}

}  // namespace
}  // namespace rennlupe::insim
