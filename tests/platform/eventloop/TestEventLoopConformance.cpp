#include "EventLoopConformance.h"

#include "platform/sockets/socket.h"
#include "support/runUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace rennlupe::platform {
namespace {

using namespace std::chrono_literals;
using support::pumpRounds;
using support::runUntil;
using Codes = std::vector<int>;

constexpr int kAll = EventLoop::kRead | EventLoop::kWrite | EventLoop::kAccept |
                     EventLoop::kConnect | EventLoop::kClose;

// A non-blocking socket that closes itself at the end of the test.
struct Socket {
    explicit Socket(NativeSocket s) : native(s) {
        EXPECT_NE(s, kInvalidSocket);
        setNonBlocking(s);
    }
    Socket(Socket&& other) noexcept : native(std::exchange(other.native, kInvalidSocket)) {}
    ~Socket() { close(); }
    void close() {
        if (native != kInvalidSocket) {
            closeSocket(std::exchange(native, kInvalidSocket));
        }
    }
    NativeSocket native;
};

// A socket bound to a free loopback port, and that address.
Socket bound(int type, SocketAddress& local) {
    Socket socket(openSocket(type, type == kSocketStream ? 6 : 17));
    bindSocket(socket.native, {0x7F000001, 0});
    localAddress(socket.native, local);
    return socket;
}

void sendTo(SocketAddress to, std::uint8_t byte) {
    const Socket sender(openSocket(kSocketDatagram, 17));
    ASSERT_EQ(sendBytesTo(sender.native, std::array{byte}, to), 1);
}

std::ptrdiff_t readOne(const Socket& socket) {
    std::array<std::uint8_t, 64> buffer{};
    return receiveBytes(socket.native, buffer);
}

EventLoop::SocketCallback recordInto(Codes& codes) {
    return [&codes](EventLoop::Descriptor, int code) { codes.push_back(code); };
}

// Collects what comes until count codes are there, then a little longer.
Codes settled(EventLoop& loop, Codes& codes, std::size_t count) {
    EXPECT_TRUE(runUntil(loop, [&] { return codes.size() >= count; }));
    pumpRounds(loop);
    Codes sorted = codes;
    std::ranges::sort(sorted);
    return sorted;
}

TEST_P(EventLoopConformance, DatagramReadAndWriteComeOnceUntilRearmed) {
    SocketAddress local{};
    const Socket socket = bound(kSocketDatagram, local);
    Codes codes;
    loop().watch(socket.native, SocketRole::Datagram, kAll, recordInto(codes));
    sendTo(local, 1);
    sendTo(local, 2);
    EXPECT_EQ(settled(loop(), codes, 2), (Codes{EventLoop::kRead, EventLoop::kWrite}));

    codes.clear();
    EXPECT_EQ(readOne(socket), 1);
    loop().rearm(socket.native, EventLoop::kRead);
    loop().rearm(socket.native, EventLoop::kWrite);
    ASSERT_TRUE(runUntil(loop(), [&] { return codes.size() == 2; }));
    EXPECT_EQ(readOne(socket), 1);
    loop().rearm(socket.native, EventLoop::kRead);
    EXPECT_EQ(settled(loop(), codes, 2), (Codes{EventLoop::kRead, EventLoop::kWrite}));
}

// Accept comes again only after an accept was tried; no close while data
// waits; the close comes once. A failed connect gives connect and nothing else.
TEST_P(EventLoopConformance, StreamSocketsConnectAcceptAndCloseOnce) {
    SocketAddress address{};
    Socket listener = bound(kSocketStream, address);
    Codes listenerCodes;
    loop().watch(listener.native, SocketRole::Listening, kAll, recordInto(listenerCodes));
    listenSocket(listener.native, 5);
    Socket client(openSocket(kSocketStream, 6));
    Codes clientCodes;
    loop().watch(client.native, SocketRole::Connecting, kAll, recordInto(clientCodes));
    connectSocket(client.native, address);
    ASSERT_TRUE(
        runUntil(loop(), [&] { return !listenerCodes.empty() && clientCodes.size() == 2; }));
    pumpRounds(loop());
    EXPECT_EQ(listenerCodes, Codes{EventLoop::kAccept});
    EXPECT_EQ(clientCodes, (Codes{EventLoop::kConnect, EventLoop::kWrite}));

    SocketAddress peer{};
    const Socket accepted(acceptSocket(listener.native, peer));
    Codes acceptedCodes;
    loop().watch(accepted.native, SocketRole::Connected, kAll, recordInto(acceptedCodes));
    ASSERT_EQ(sendBytes(client.native, std::array<std::uint8_t, 3>{'a', 'b', 'c'}), 3);
    client.close();
    EXPECT_EQ(settled(loop(), acceptedCodes, 2), (Codes{EventLoop::kRead, EventLoop::kWrite}));
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(receiveBytes(accepted.native, buffer), 3);
    loop().rearm(accepted.native, EventLoop::kRead);
    EXPECT_EQ(settled(loop(), acceptedCodes, 3),
              (Codes{EventLoop::kRead, EventLoop::kWrite, EventLoop::kClose}));
    EXPECT_EQ(listenerCodes.size(), 1U);

    loop().unwatch(listener.native);
    listener.close();
    const Socket refused(openSocket(kSocketStream, 6));
    Codes refusedCodes;
    loop().watch(refused.native, SocketRole::Connecting, kAll, recordInto(refusedCodes));
    connectSocket(refused.native, address);
    EXPECT_EQ(settled(loop(), refusedCodes, 1), Codes{EventLoop::kConnect});
}

// Whichever comes first closes both, itself while its own callback runs, and
// opens a socket that may get a closed one's descriptor number.
TEST_P(EventLoopConformance, CallbacksMayUnwatchAndCloseWhatIsAlreadyCollected) {
    std::array<SocketAddress, 2> addresses{};
    std::vector<Socket> sockets;
    for (SocketAddress& address : addresses) {
        sockets.push_back(bound(kSocketDatagram, address));
        sendTo(address, 1);
        ASSERT_EQ(waitUntilReadable(sockets.back().native, 5000), 1);
    }
    int calls = 0;
    Codes newcomer;
    std::vector<Socket> opened;
    const auto closeBoth = [&](EventLoop::Descriptor, int) {
        ++calls;
        for (Socket& socket : sockets) {
            loop().unwatch(socket.native);
            socket.close();
        }
        opened.emplace_back(openSocket(kSocketDatagram, 17));
        loop().watch(opened.back().native, SocketRole::Datagram, EventLoop::kRead,
                     recordInto(newcomer));
    };
    for (const Socket& socket : sockets) {
        loop().watch(socket.native, SocketRole::Datagram, EventLoop::kRead, closeBoth);
    }
    ASSERT_TRUE(runUntil(loop(), [&] { return calls > 0; }));
    pumpRounds(loop());
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(newcomer.empty());
    loop().unwatch(opened.back().native);
}

TEST_P(EventLoopConformance, ATimerStoppedInItsTickNeverFiresAgain) {
    int once = 0;
    EventLoop::TimerId single = 0;
    single = loop().startTimer(1ms, [&] {
        ++once;
        loop().stopTimer(single);
    });
    EXPECT_NE(single, 0U);
    int ticks = 0;
    const auto repeating = loop().startTimer(2ms, [&] {
        if (++ticks == 5) {
            loop().quit();
        }
    });
    loop().run();
    loop().stopTimer(repeating);
    EXPECT_EQ(once, 1);
    EXPECT_EQ(ticks, 5);
}

// Inside run() the pump delivers what waits, as the dispatcher needs.
TEST_P(EventLoopConformance, ProcessPendingDoesNotNestButRunsInsideRun) {
    std::vector<std::string> order;
    loop().post([&] {
        order.push_back("outer begins");
        loop().post([&] { order.push_back("posted inside"); });
        loop().processPending();
        order.push_back("outer ends");
    });
    loop().processPending();
    loop().processPending();
    EXPECT_EQ(order, (std::vector<std::string>{"outer begins", "outer ends", "posted inside"}));

    SocketAddress local{};
    const Socket socket = bound(kSocketDatagram, local);
    Codes codes;
    loop().watch(socket.native, SocketRole::Datagram, EventLoop::kRead, recordInto(codes));
    bool seenInside = false;
    loop().post([&] {
        sendTo(local, 7);
        waitUntilReadable(socket.native, 5000);
        loop().processPending();
        seenInside = codes.size() == 1;
        loop().quit();
    });
    loop().run();
    EXPECT_TRUE(seenInside);
    loop().unwatch(socket.native);
}

// What a callback throws is written to standard error.
TEST_P(EventLoopConformance, NoExceptionLeavesTheLoop) {
    SocketAddress local{};
    const Socket socket = bound(kSocketDatagram, local);
    loop().watch(socket.native, SocketRole::Datagram, EventLoop::kRead,
                 [](EventLoop::Descriptor, int) { throw std::runtime_error("socket callback"); });
    sendTo(local, 1);
    waitUntilReadable(socket.native, 5000);
    bool after = false;
    ::testing::internal::CaptureStderr();
    loop().post([] { throw std::runtime_error("posted work"); });
    loop().post([] { throw 42; });
    loop().post([&] { after = true; });
    EXPECT_NO_THROW(pumpRounds(loop()));
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(after);
    EXPECT_NE(errors.find("socket callback"), std::string::npos) << errors;
    EXPECT_NE(errors.find("posted work"), std::string::npos) << errors;
    loop().unwatch(socket.native);
}

}  // namespace
}  // namespace rennlupe::platform
