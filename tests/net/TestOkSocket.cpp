#include "net/okSocket.h"

#include "bits/IndexOutOfRange.h"
#include "bits/Overflow.h"
#include "insim/senders/SendISI.h"
#include "insim/senders/SendMST.h"
#include "insim/senders/SendShortPacket.h"
#include "platform/eventloop/PollLoop.h"
#include "platform/sockets/socket.h"
#include "support/bytesOf.h"
#include "support/gameLoopbackAddress.h"
#include "support/RecordingMessageLine.h"
#include "support/runUntil.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace rennlupe::net {
namespace {

using namespace std::string_view_literals;
using support::pumpRounds;
using support::runUntil;
using support::UdpPeer;
using Bytes = std::vector<std::uint8_t>;
using Events = std::vector<std::string>;
using Received = std::tuple<std::int32_t, Bytes, std::int32_t>;  // socket, bytes, length

constexpr std::uint32_t kLoopback = 0x7F000001;

// One object on a real poll loop, with every event written down in order; with
// echo set, each datagram handler sends that many bytes back from inside the event.
struct Harness {
    explicit Harness(std::int32_t protocol) : socket(loop, line, protocol) {
        socket.ReceivedBytes = [this](std::int32_t s, std::span<const std::uint8_t> bytes,
                                      std::int32_t length) {
            received.emplace_back(s, Bytes(bytes.begin(), bytes.end()), length);
            if (echo != 0) {
                socket.SendBytes(s, bytes, echo);
            }
        };
        socket.Connected = [this](std::int32_t s) { log("Connected", s); };
        socket.Accepted = [this](std::int32_t s, const std::string& addr, std::int16_t port) {
            log("Accepted", s, " " + addr + " " + std::to_string(port));
        };
        socket.ReadyToSend = [this](std::int32_t s) { log("ReadyToSend", s); };
        socket.ReceivedString = [this](std::int32_t s, const std::string& text) {
            log("ReceivedString " + text, s);
        };
        socket.Closed = [this](std::int32_t s) { log("Closed", s); };
    }
    void log(const std::string& event, std::int32_t s, const std::string& more = "") {
        events.push_back(event + " " + std::to_string(s) + more);
    }
    bool ends(const std::string& event) const { return !events.empty() && events.back() == event; }
    platform::SocketAddress local(std::int32_t handle) const {
        return {kLoopback, socket.localPort(handle)};
    }

    platform::PollLoop loop;
    support::RecordingMessageLine line;
    okSocket socket;
    std::vector<Received> received;
    Events events;
    std::int32_t echo = 0;
};

Bytes counting(std::size_t size) {
    Bytes bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

// These bytes, cut or filled up with zeros to size.
Bytes padded(Bytes bytes, std::size_t size) {
    bytes.resize(size, 0);
    return bytes;
}

// Handles are never 0 nor reused: a closed handle's descriptor number belongs
// to a new socket, so closing the old handle again, 0 or an unknown one must not
// touch it. A datagram over 1,025 bytes is cut; a failed receive still raises the
// event, with zeros, and the datagram waits for the next read.
TEST(OkSocketDatagram, EachDatagramArrivesIn1025ZeroFilledBytesOnAHandleNeverReused) {
    std::uint16_t port = 0;
    {
        Harness h(okSocket::kUdp);
        const std::int32_t closed = h.socket.ListenTo(0);
        h.socket.CloseIt(closed);
        const std::int32_t server = h.socket.ListenTo(0);
        EXPECT_EQ((std::set<std::int32_t>{0, closed, server}).size(), 3U);
        for (const std::int32_t handle : {closed, 0, -1, server + 100}) {
            h.socket.CloseIt(handle);
        }
        h.socket.SendString(closed, "x");
        UdpPeer peer;
        std::vector<Received> expected{{server, Bytes(okSocket::kReceiveSize), 1024}};
        platform::failNextReceive(10054);
        for (const Bytes& bytes : {Bytes(28, 0x41), Bytes(1500, 0x42), counting(3)}) {
            peer.sendTo(h.local(server), bytes);
            expected.emplace_back(server, padded(bytes, okSocket::kReceiveSize), 1024);
        }
        ASSERT_TRUE(runUntil(h.loop, [&] { return h.received.size() == 4; }));
        EXPECT_EQ(h.received, expected);
        EXPECT_TRUE(h.line.messages().empty());
        port = h.socket.localPort(server);
    }
    UdpPeer rebinds("127.0.0.1", port);
    EXPECT_EQ(rebinds.address().port, port) << "the object closes its sockets when it ends";
}

// Datagrams that wait together are handed on one at a time, in order, and none
// after a handler closed the socket.
TEST(OkSocketDatagram, ABurstStopsWhereAHandlerClosesTheSocket) {
    Harness h(okSocket::kUdp);
    const std::int32_t server = h.socket.ListenTo(0);
    UdpPeer peer;
    for (std::uint8_t n = 1; n <= 3; ++n) {
        peer.sendTo(h.local(server), Bytes{n});
    }
    h.socket.ReceivedBytes = [&h](std::int32_t s, std::span<const std::uint8_t> bytes,
                                  std::int32_t length) {
        h.received.emplace_back(s, Bytes(bytes.begin(), bytes.begin() + 1), length);
        if (bytes[0] == 2) {
            h.socket.CloseIt(s);
        }
    };
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.received.size() == 2; }));
    pumpRounds(h.loop, 3);
    EXPECT_EQ(h.received,
              (std::vector<Received>{{server, Bytes{1}, 1024}, {server, Bytes{2}, 1024}}));
}

// Whichever socket sends, the bytes go to the latest datagram ConnectTo; a
// reply to the unbound client's first send comes back with its handle.
TEST(OkSocketDatagram, SendsGoToTheLatestDatagramConnectToWhicheverSocket) {
    Harness h(okSocket::kUdp);
    UdpPeer first;
    UdpPeer second(support::gameLoopbackAddress());
    const std::int32_t client = h.socket.ConnectTo("127.1", first.address().port);
    const std::int32_t other =
        h.socket.ConnectTo(support::gameLoopbackAddress(), second.address().port);
    const std::int32_t server = h.socket.ListenTo(0);
    EXPECT_EQ((std::set<std::int32_t>{0, client, other, server}).size(), 4U);

    const auto packet = counting(25);
    h.socket.SendBytes(client, packet, 24);
    EXPECT_EQ(second.receive(), Bytes(packet.begin(), packet.begin() + 24));
    EXPECT_TRUE(first.quiet());
    h.socket.SendBytes(server, packet, 8);
    EXPECT_EQ(second.receive().value_or(Bytes{}).size(), 8U);

    h.socket.SendBytes(client, packet, 4);
    ASSERT_TRUE(second.receive().has_value());
    h.echo = 5;
    second.sendTo(second.lastSender(), counting(6));
    ASSERT_TRUE(runUntil(h.loop, [&] { return !h.received.empty(); }));
    EXPECT_EQ(std::get<0>(h.received[0]), client);
    EXPECT_EQ(second.receive(), counting(5));

    // The array holds one element more than is sent; 32767 or more is an overflow.
    EXPECT_THROW(h.socket.SendBytes(client, counting(24), 24), bits::IndexOutOfRange);
    EXPECT_THROW(h.socket.SendBytes(client, counting(24), -1), bits::IndexOutOfRange);
    EXPECT_THROW(h.socket.SendBytes(client, Bytes(32768), 32767), bits::Overflow);
    EXPECT_THROW(h.socket.SendString(client, ""), bits::IndexOutOfRange);
    h.socket.SendBytes(0, packet, 8);  // no such socket: nothing goes out
    EXPECT_TRUE(second.quiet());
    h.socket.SendBytes(client, Bytes(32767), 32766);
    EXPECT_EQ(second.receive().value_or(Bytes{}).size(), 32766U);

    // Without a datagram ConnectTo there is no destination: nothing goes out.
    Harness alone(okSocket::kUdp);
    EXPECT_NO_THROW(alone.socket.SendBytes(alone.socket.ListenTo(0), counting(9), 8));
    EXPECT_TRUE(alone.line.messages().empty());
}

// A plain blocking stream socket of our own that closes itself.
struct StreamPeer {
    explicit StreamPeer(platform::NativeSocket s = platform::openSocket(platform::kSocketStream, 6))
        : socket(s) {}
    ~StreamPeer() { close(); }
    void send(std::string_view text) {
        ASSERT_EQ(platform::sendBytes(socket, support::bytesOf(text)),
                  static_cast<std::ptrdiff_t>(text.size()));
    }
    void close() {
        if (socket != platform::kInvalidSocket) {
            platform::closeSocket(std::exchange(socket, platform::kInvalidSocket));
        }
    }
    platform::NativeSocket socket;
};

// The accepted peer's port is handed on as stored: 1234 in network byte order,
// read little-endian. The text comes once, at the close; "ImNotDone" reads as
// a stream that has not ended.
TEST(OkSocketStream, AcceptsWithThePortAsStoredAndDeliversTheTextOnceAtTheClose) {
    Harness h(okSocket::kTcp);
    const std::int32_t listener = h.socket.ListenTo(0);
    ASSERT_EQ(listener, 1);
    StreamPeer peer;
    const std::string peerHost = support::gameLoopbackAddress();
    ASSERT_EQ(platform::bindSocket(peer.socket, {*platform::parseIPv4(peerHost), 1234}), 0);
    ASSERT_EQ(platform::connectSocket(peer.socket, h.local(listener)), 0);
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.events.size() == 2; }));
    peer.send("Hallo ");
    pumpRounds(h.loop);
    EXPECT_EQ(h.events.size(), 2U) << "a stream that has not ended delivers nothing";
    peer.send("Welt");
    peer.close();
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.ends("Closed 2"); }));
    pumpRounds(h.loop);
    EXPECT_EQ(h.events, (Events{"Accepted 2 " + peerHost + " -11772", "ReadyToSend 2",
                                "ReceivedString Hallo Welt 2", "Closed 2"}));

    StreamPeer teaser;
    ASSERT_EQ(platform::connectSocket(teaser.socket, h.local(listener)), 0);
    teaser.send("ImNotDone");
    teaser.close();
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.ends("Closed 3"); }));
    EXPECT_EQ(h.events.size(), 7U);
}

// The empty stream delivers no text and the close comes once; a refused
// connect still raises Connected, and then nothing.
TEST(OkSocketStream, AClientConnectsSendsAndSeesThePeerClose) {
    Harness h(okSocket::kTcp);
    StreamPeer listener;
    platform::SocketAddress address{};
    platform::bindSocket(listener.socket, {kLoopback, 0});
    platform::localAddress(listener.socket, address);
    platform::listenSocket(listener.socket, 1);

    const std::int32_t client = h.socket.ConnectTo("127.0.0.1", address.port);
    ASSERT_EQ(client, 1);
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.events.size() == 2; }));
    platform::SocketAddress from{};
    StreamPeer server(platform::acceptSocket(listener.socket, from));
    h.socket.SendString(client, "abc");
    ASSERT_EQ(platform::waitUntilReadable(server.socket, 5000), 1);
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(platform::receiveBytes(server.socket, buffer), 3);
    EXPECT_EQ(buffer[2], 'c');
    server.close();
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.ends("Closed 1"); }));
    h.socket.CloseIt(client);

    listener.close();
    EXPECT_EQ(h.socket.ConnectTo("127.0.0.1", address.port), 2);
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.ends("Connected 2"); }));
    pumpRounds(h.loop);
    EXPECT_EQ(h.events, (Events{"Connected 1", "ReadyToSend 1", "Closed 1", "Connected 2"}));
    EXPECT_TRUE(h.line.messages().empty());
}

TEST(OkSocketErrors, AFailureIsReportedAndGivesNoSocket) {
    for (const std::int32_t protocol : {okSocket::kUdp, okSocket::kTcp}) {
        Harness h(protocol);
        EXPECT_EQ(h.socket.ListenTo(h.socket.localPort(h.socket.ListenTo(0))), 0);
        EXPECT_EQ(h.line.current(), "ERROR! ListenTo() address in use");
        EXPECT_EQ(h.socket.lastError(), 10048);
    }
    // An unresolvable host keeps the destination of the latest ConnectTo.
    Harness h(okSocket::kUdp);
    UdpPeer peer;
    const std::int32_t client = h.socket.ConnectTo("127.0.0.1", peer.address().port);
    EXPECT_EQ(h.socket.ConnectTo("no-such-host.invalid", 29999), 0);
    EXPECT_EQ(h.line.current(), "ERROR! ConnectTo() host not found");
    EXPECT_EQ(h.socket.lastError(), 11001);
    h.socket.SendBytes(client, counting(9), 8);
    EXPECT_EQ(peer.receive().value_or(Bytes{}).size(), 8U);

    EXPECT_THROW(h.socket.ListenTo(65536), bits::Overflow);
    h.socket.Protocol(99);
    EXPECT_EQ(h.socket.ConnectTo("127.0.0.1", 29999), 0);
    EXPECT_EQ(h.socket.ListenTo(0), 0);
    EXPECT_EQ(h.line.messages().back(), "WSAAsyncSelect failed! :(");
    EXPECT_EQ(h.line.messages().size(), 3U);
}

// The program's sending socket toward a stand-in for the game. Texts are
// encoded to Windows-1252 first, one byte a character, then cut by bytes of that
// code page: 16 password characters fill the field with no zero after them.
TEST(OutgoingPackets, IsiShortAndMstPacketsCarryTheirFieldsAsTheGameReadsThem) {
    UdpPeer game(support::gameLoopbackAddress(), 29999);
    Harness h(okSocket::kUdp);
    const std::int32_t client = h.socket.ConnectTo(support::gameLoopbackAddress(), 29999);
    const auto next = [&] { return game.receive().value_or(Bytes{}); };
    for (const auto& [port, password, expected] :
         {std::tuple{50, ""sv, "ISI\0\x32\0\x35\0"sv},
          {29999, "abcdefghijklmno"sv, "ISI\0\x2F\x75\x35\0abcdefghijklmno"sv},
          {29999, "abcdefghijklmnopqrs"sv, "ISI\0\x2F\x75\x35\0abcdefghijklmnop"sv},
          {65535, "\u00e4\u20ac\u00df\u2603"sv, "ISI\0\xFF\xFF\x35\0\xE4\x80\xDF?"sv}}) {
        insim::SendISI(h.socket, client, port, password);
        EXPECT_EQ(next(), padded(support::bytesOf(expected), 24)) << password;
    }
    EXPECT_THROW(insim::SendISI(h.socket, client, 65536, ""), bits::Overflow);
    EXPECT_THROW(insim::SendISI(h.socket, client, -1, ""), bits::Overflow);

    for (const auto& [id, p1, p2, p3, expected] : {std::tuple{"VER"sv, 0, 0, 0, "VER"sv},
                                                   {"NPL"sv, 5, 0, 0, "NPL\0\x05"sv},
                                                   {"SSG"sv, 1, 2, 3, "SSG\0\x01\x02\x03"sv}}) {
        insim::SendShortPacket(h.socket, client, id, static_cast<std::uint8_t>(p1),
                               static_cast<std::uint8_t>(p2), static_cast<std::uint8_t>(p3));
        EXPECT_EQ(next(), padded(support::bytesOf(expected), 8)) << id;
    }

    // MST: at most 63 bytes of text and a closing zero.
    for (const auto& [text, sent] :
         {std::pair<std::string, std::string>{"abc", "abc"},
          {std::string(63, 'x'), std::string(63, 'x')},
          {std::string(63, 'y') + "zzzzzzz", std::string(63, 'y')},
          {std::string(62, 'e') + "\u20ac\u20ac", std::string(62, 'e') + "\x80"}}) {
        insim::SendMST(h.socket, client, text);
        EXPECT_EQ(next(), padded(support::bytesOf(std::string("MST\0", 4) + sent), 68)) << text;
    }
    EXPECT_TRUE(game.quiet());
}

}  // namespace
}  // namespace rennlupe::net
