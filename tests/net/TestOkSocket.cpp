#include "net/okSocket.h"

#include "bits/IndexOutOfRange.h"
#include "bits/Overflow.h"
#include "platform/eventloop/PollLoop.h"
#include "platform/sockets/socket.h"
#include "support/gameLoopbackAddress.h"
#include "support/RecordingMessageLine.h"
#include "support/runAsNobody.h"
#include "support/runUntil.h"
#include "support/UdpPeer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace rennlupe::net {
namespace {

using support::pumpRounds;
using support::runUntil;
using support::UdpPeer;

constexpr std::uint32_t kLoopback = 0x7F000001;

struct Received {
    std::int32_t socket;
    std::vector<std::uint8_t> bytes;
    std::int32_t length;
};

// One object on a real poll loop, with every event written down in order.
struct Harness {
    explicit Harness(std::int32_t protocol) : socket(loop, line, protocol) {
        socket.ReceivedBytes = [this](std::int32_t s, std::span<const std::uint8_t> bytes,
                                      std::int32_t length) {
            received.push_back({s, {bytes.begin(), bytes.end()}, length});
        };
        socket.Connected = [this](std::int32_t s) { log("Connected", s); };
        socket.Accepted = [this](std::int32_t s, const std::string& addr, std::int16_t port) {
            acceptedSocket = s;
            acceptedAddr = addr;
            acceptedPort = port;
            log("Accepted", s);
        };
        socket.ReadyToSend = [this](std::int32_t s) { log("ReadyToSend", s); };
        socket.ReceivedString = [this](std::int32_t s, const std::string& text) {
            log("ReceivedString " + text, s);
        };
        socket.Closed = [this](std::int32_t s) { log("Closed", s); };
    }

    void log(const std::string& event, std::int32_t s) {
        events.push_back(event + " " + std::to_string(s));
    }
    bool saw(const std::string& event) const {
        return std::find(events.begin(), events.end(), event) != events.end();
    }
    platform::SocketAddress local(std::int32_t handle) const {
        return {kLoopback, socket.localPort(handle)};
    }

    platform::PollLoop loop;
    support::RecordingMessageLine line;
    okSocket socket;
    std::vector<Received> received;
    std::vector<std::string> events;
    std::int32_t acceptedSocket = 0;
    std::string acceptedAddr;
    std::int16_t acceptedPort = 0;
};

std::vector<std::uint8_t> counting(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

bool zerosFrom(const std::vector<std::uint8_t>& bytes, std::size_t first) {
    return std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(first), bytes.end(),
                       [](std::uint8_t b) { return b == 0; });
}

TEST(OkSocketDatagram, EachDatagramArrivesIn1025ZeroFilledBytes) {
    Harness h(okSocket::kUdp);
    const std::int32_t server = h.socket.ListenTo(0);
    ASSERT_NE(server, 0);
    UdpPeer peer;
    peer.sendTo(h.local(server), std::vector<std::uint8_t>(28, 0x41));
    peer.sendTo(h.local(server), std::vector<std::uint8_t>(1500, 0x42));
    peer.sendTo(h.local(server), counting(3));
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.received.size() == 3; }));

    for (const Received& r : h.received) {
        EXPECT_EQ(r.socket, server);
        EXPECT_EQ(r.bytes.size(), okSocket::kReceiveSize);
        EXPECT_EQ(r.length, 1024);
    }
    EXPECT_EQ(std::count(h.received[0].bytes.begin(), h.received[0].bytes.end(), 0x41), 28);
    EXPECT_TRUE(zerosFrom(h.received[0].bytes, 28));
    EXPECT_EQ(std::count(h.received[1].bytes.begin(), h.received[1].bytes.end(), 0x42), 1025)
        << "an over-long datagram is cut at 1,025 bytes";
    EXPECT_EQ(h.received[2].bytes[2], 3);
    EXPECT_TRUE(zerosFrom(h.received[2].bytes, 3)) << "each datagram gets a fresh array";
    EXPECT_TRUE(h.line.messages().empty());
}

TEST(OkSocketDatagram, AFailedReceiveStillRaisesReceivedBytesWithZeros) {
    Harness h(okSocket::kUdp);
    const std::int32_t server = h.socket.ListenTo(0);
    UdpPeer peer;
    peer.sendTo(h.local(server), counting(28));
    platform::failNextReceive(10054);
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.received.size() == 2; }));
    EXPECT_TRUE(zerosFrom(h.received[0].bytes, 0));
    EXPECT_EQ(h.received[0].length, 1024);
    EXPECT_EQ(h.received[1].bytes[27], 28) << "the datagram waits for the next read";
}

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
    const auto sent = second.receive();
    ASSERT_TRUE(sent.has_value());
    EXPECT_EQ(*sent, std::vector<std::uint8_t>(packet.begin(), packet.begin() + 24));
    EXPECT_TRUE(first.quiet());

    h.socket.SendBytes(server, packet, 8);
    EXPECT_EQ(second.receive().value_or(std::vector<std::uint8_t>{}).size(), 8U);

    // A reply to the unbound client's first send comes back with its handle,
    // and a handler may send again from inside the event.
    h.socket.SendBytes(client, packet, 4);
    ASSERT_TRUE(second.receive().has_value());
    h.socket.ReceivedBytes = [&](std::int32_t s, std::span<const std::uint8_t> bytes,
                                 std::int32_t length) {
        h.received.push_back({s, {bytes.begin(), bytes.end()}, length});
        h.socket.SendBytes(s, bytes, 5);
    };
    second.sendTo(second.lastSender(), counting(6));
    ASSERT_TRUE(runUntil(h.loop, [&] { return !h.received.empty(); }));
    EXPECT_EQ(h.received[0].socket, client);
    EXPECT_EQ(second.receive(), counting(5));
}

TEST(OkSocketDatagram, SendBytesKeepsTheArrayContract) {
    Harness h(okSocket::kUdp);
    UdpPeer peer;
    const std::int32_t client = h.socket.ConnectTo("127.0.0.1", peer.address().port);
    EXPECT_THROW(h.socket.SendBytes(client, counting(24), 24), bits::IndexOutOfRange);
    EXPECT_THROW(h.socket.SendBytes(client, counting(24), -1), bits::IndexOutOfRange);
    EXPECT_THROW(h.socket.SendBytes(client, std::vector<std::uint8_t>(32768), 32767),
                 bits::Overflow);
    EXPECT_TRUE(peer.quiet());
    h.socket.SendBytes(client, std::vector<std::uint8_t>(32767), 32766);
    EXPECT_EQ(peer.receive().value_or(std::vector<std::uint8_t>{}).size(), 32766U);
    EXPECT_THROW(h.socket.SendString(client, ""), bits::IndexOutOfRange);

    // Without a datagram ConnectTo there is no destination: nothing goes out.
    Harness alone(okSocket::kUdp);
    const std::int32_t server = alone.socket.ListenTo(0);
    EXPECT_NO_THROW(alone.socket.SendBytes(server, counting(9), 8));
    EXPECT_TRUE(alone.line.messages().empty());
}

// A stream peer of our own: a plain blocking socket.
class StreamPeer {
public:
    StreamPeer() : m_socket(platform::openSocket(platform::kSocketStream, 6)) {}
    explicit StreamPeer(platform::NativeSocket accepted) : m_socket(accepted) {}
    ~StreamPeer() { close(); }
    StreamPeer(const StreamPeer&) = delete;
    StreamPeer& operator=(const StreamPeer&) = delete;

    platform::NativeSocket get() const { return m_socket; }
    void send(std::string_view text) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        ASSERT_EQ(platform::sendBytes(m_socket, {bytes, text.size()}),
                  static_cast<std::ptrdiff_t>(text.size()));
    }
    void close() {
        if (m_socket != platform::kInvalidSocket) {
            platform::closeSocket(m_socket);
            m_socket = platform::kInvalidSocket;
        }
    }

private:
    platform::NativeSocket m_socket;
};

TEST(OkSocketStream, AcceptsWithThePortAsStoredAndDeliversTheTextOnceAtTheClose) {
    Harness h(okSocket::kTcp);
    EXPECT_EQ(h.socket.Protocol(), 6);
    const std::int32_t listener = h.socket.ListenTo(0);
    ASSERT_NE(listener, 0);
    StreamPeer peer;
    const std::string peerHost = support::gameLoopbackAddress();
    ASSERT_EQ(platform::bindSocket(peer.get(), {*platform::parseIPv4(peerHost), 1234}), 0);
    ASSERT_EQ(platform::connectSocket(peer.get(), h.local(listener)), 0);
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.acceptedSocket != 0 && h.events.size() == 2; }));
    const std::string accepted = std::to_string(h.acceptedSocket);
    EXPECT_EQ(h.events,
              (std::vector<std::string>{"Accepted " + accepted, "ReadyToSend " + accepted}));
    EXPECT_EQ(h.acceptedAddr, peerHost);
    EXPECT_EQ(h.acceptedPort, -11772) << "1234 in network byte order, read little-endian";
    EXPECT_NE(h.acceptedSocket, listener);

    peer.send("Hallo ");
    pumpRounds(h.loop);
    EXPECT_EQ(h.events.size(), 2U) << "a stream that has not ended delivers nothing";
    peer.send("Welt");
    peer.close();
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.saw("Closed " + accepted); }));
    pumpRounds(h.loop);
    EXPECT_EQ(h.events, (std::vector<std::string>{"Accepted " + accepted, "ReadyToSend " + accepted,
                                                  "ReceivedString Hallo Welt " + accepted,
                                                  "Closed " + accepted}));

    // The exact text "ImNotDone" reads as a stream that has not ended.
    h.events.clear();
    StreamPeer teaser;
    ASSERT_EQ(platform::connectSocket(teaser.get(), h.local(listener)), 0);
    teaser.send("ImNotDone");
    teaser.close();
    ASSERT_TRUE(runUntil(
        h.loop, [&] { return h.events.size() == 3 && h.events.back().starts_with("Closed"); }));
    EXPECT_FALSE(h.events[1].starts_with("ReceivedString"));
}

TEST(OkSocketStream, AClientConnectsSendsAndSeesThePeerClose) {
    Harness h(okSocket::kTcp);
    StreamPeer listener;
    platform::SocketAddress address{};
    platform::bindSocket(listener.get(), {kLoopback, 0});
    platform::localAddress(listener.get(), address);
    platform::listenSocket(listener.get(), 1);

    const std::int32_t client = h.socket.ConnectTo("127.0.0.1", address.port);
    ASSERT_NE(client, 0);
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.events.size() == 2; }));
    const std::string id = std::to_string(client);
    EXPECT_EQ(h.events, (std::vector<std::string>{"Connected " + id, "ReadyToSend " + id}));

    platform::SocketAddress from{};
    StreamPeer server(platform::acceptSocket(listener.get(), from));
    h.socket.SendString(client, "abc");
    ASSERT_EQ(platform::waitUntilReadable(server.get(), 5000), 1);
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(platform::receiveBytes(server.get(), buffer), 3);
    EXPECT_EQ(buffer[2], 'c');

    server.close();
    ASSERT_TRUE(runUntil(h.loop, [&] { return h.saw("Closed " + id); }));
    pumpRounds(h.loop);
    EXPECT_EQ(h.events.size(), 3U) << "the empty stream delivers no text, close comes once";
    h.socket.CloseIt(client);

    // A refused connect still raises Connected, and then nothing.
    listener.close();
    h.events.clear();
    const std::int32_t refused = h.socket.ConnectTo("127.0.0.1", address.port);
    ASSERT_TRUE(runUntil(h.loop, [&] { return !h.events.empty(); }));
    pumpRounds(h.loop);
    EXPECT_EQ(h.events, std::vector<std::string>{"Connected " + std::to_string(refused)});
    EXPECT_TRUE(h.line.messages().empty());
}

TEST(OkSocketErrors, CodesReadAsTheirTexts) {
    EXPECT_EQ(okSocket::SocketErrorText(10060), "request timed out");
    EXPECT_EQ(okSocket::SocketErrorText(10062), "unknown error: 10062");
    EXPECT_EQ(okSocket::SocketErrorText(10048), "address in use");
    EXPECT_EQ(okSocket::SocketErrorText(10004), "interrupted function call");
    EXPECT_EQ(okSocket::SocketErrorText(11004), "valid name - no data record of requested type");
    EXPECT_EQ(okSocket::SocketErrorText(0), "unknown error: 0");
}

TEST(OkSocketErrors, ListenToReportsAPortInUseAndGivesNoSocket) {
    for (const std::int32_t protocol : {okSocket::kUdp, okSocket::kTcp}) {
        Harness h(protocol);
        const std::int32_t first = h.socket.ListenTo(0);
        EXPECT_EQ(h.socket.ListenTo(h.socket.localPort(first)), 0);
        EXPECT_EQ(h.line.current(), "ERROR! ListenTo() address in use");
        EXPECT_EQ(h.socket.lastError(), 10048);
    }
}

TEST(OkSocketErrors, APrivilegedPortIsRefusedToAnOrdinaryUser) {
    const int status = support::runAsNobody([] {
        Harness h(okSocket::kUdp);
        const bool refused = h.socket.ListenTo(1023) == 0 &&
                             h.line.current() == "ERROR! ListenTo() permission denied" &&
                             h.socket.lastError() == 10013;
        return refused ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
}

TEST(OkSocketErrors, AnUnresolvableHostOrProtocolGivesNoSocketAndKeepsTheDestination) {
    Harness h(okSocket::kUdp);
    UdpPeer peer;
    const std::int32_t client = h.socket.ConnectTo("127.0.0.1", peer.address().port);
    EXPECT_EQ(h.socket.ConnectTo("no-such-host.invalid", 29999), 0);
    EXPECT_EQ(h.line.current(), "ERROR! ConnectTo() host not found");
    EXPECT_EQ(h.socket.lastError(), 11001);
    h.socket.SendBytes(client, counting(9), 8);
    EXPECT_EQ(peer.receive().value_or(std::vector<std::uint8_t>{}).size(), 8U);

    EXPECT_THROW(h.socket.ListenTo(65536), bits::Overflow);
    h.socket.Protocol(99);
    EXPECT_EQ(h.socket.ConnectTo("127.0.0.1", 29999), 0);
    EXPECT_EQ(h.socket.ListenTo(0), 0);
    EXPECT_EQ(h.line.messages().back(), "WSAAsyncSelect failed! :(");
    EXPECT_EQ(h.line.messages().size(), 3U);
}

TEST(OkSocketHandles, ZeroClosedAndUnknownHandlesAreHarmlessAndNeverReused) {
    std::uint16_t lastPort = 0;
    {
        Harness h(okSocket::kUdp);
        std::set<std::int32_t> handles;
        std::int32_t closed = 0;
        for (int i = 0; i < 4; ++i) {
            closed = h.socket.ListenTo(0);
            handles.insert(closed);
            h.socket.CloseIt(closed);
        }
        EXPECT_EQ(handles.size(), 4U);
        EXPECT_FALSE(handles.contains(0));

        // The closed handle's descriptor number now belongs to the new socket.
        const std::int32_t live = h.socket.ListenTo(0);
        h.socket.CloseIt(closed);
        h.socket.CloseIt(0);
        h.socket.CloseIt(-1);
        h.socket.CloseIt(live + 100);
        h.socket.SendBytes(0, counting(9), 8);
        h.socket.SendString(closed, "x");
        UdpPeer peer;
        peer.sendTo(h.local(live), counting(4));
        ASSERT_TRUE(runUntil(h.loop, [&] { return !h.received.empty(); }));
        EXPECT_EQ(h.received[0].socket, live);
        EXPECT_TRUE(h.line.messages().empty());
        lastPort = h.socket.localPort(live);
    }
    UdpPeer rebinds("127.0.0.1", lastPort);
    EXPECT_EQ(rebinds.address().port, lastPort) << "the object closes its sockets when it ends";
}

}  // namespace
}  // namespace rennlupe::net
