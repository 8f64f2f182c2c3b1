#include "EventLoopConformance.h"

#include "platform/sockets/socket.h"
#include "support/runUntil.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <set>
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
using Sorted = std::multiset<int>;

constexpr int kAll = EventLoop::kRead | EventLoop::kWrite | EventLoop::kAccept |
                     EventLoop::kConnect | EventLoop::kClose;

// A non-blocking socket that closes itself at the end of the test.
struct Socket {
    explicit Socket(NativeSocket s) : native(s) { EXPECT_EQ(setNonBlocking(s), 0); }
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
std::pair<Socket, SocketAddress> bound(int type) {
    Socket socket(openSocket(type, type == kSocketStream ? 6 : 17));
    SocketAddress local{};
    bindSocket(socket.native, {0x7F000001, 0});
    localAddress(socket.native, local);
    return {std::move(socket), local};
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
Sorted settled(EventLoop& loop, const Codes& codes, std::size_t count) {
    EXPECT_TRUE(runUntil(loop, [&] { return codes.size() >= count; }));
    pumpRounds(loop);
    return {codes.begin(), codes.end()};
}

TEST_P(EventLoopConformance, DatagramReadAndWriteComeOnceUntilRearmed) {
    const auto [socket, local] = bound(kSocketDatagram);
    Codes codes;
    loop().watch(socket.native, SocketRole::Datagram, kAll, recordInto(codes));
    sendTo(local, 1);
    sendTo(local, 2);
    EXPECT_EQ(settled(loop(), codes, 2), (Sorted{EventLoop::kRead, EventLoop::kWrite}));

    codes.clear();
    EXPECT_EQ(readOne(socket), 1);
    loop().rearm(socket.native, EventLoop::kRead);
    loop().rearm(socket.native, EventLoop::kWrite);
    ASSERT_TRUE(runUntil(loop(), [&] { return codes.size() == 2; }));
    EXPECT_EQ(readOne(socket), 1);
    loop().rearm(socket.native, EventLoop::kRead);
    EXPECT_EQ(settled(loop(), codes, 2), (Sorted{EventLoop::kRead, EventLoop::kWrite}));
}

// Accept comes again only after an accept was tried; no close while data
// waits; the close comes once. A failed connect gives connect and nothing else.
TEST_P(EventLoopConformance, StreamSocketsConnectAcceptAndCloseOnce) {
    auto [listener, address] = bound(kSocketStream);
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
    EXPECT_EQ(settled(loop(), acceptedCodes, 2), (Sorted{EventLoop::kRead, EventLoop::kWrite}));
    EXPECT_EQ(readOne(accepted), 3);
    loop().rearm(accepted.native, EventLoop::kRead);
    EXPECT_EQ(settled(loop(), acceptedCodes, 3),
              (Sorted{EventLoop::kRead, EventLoop::kWrite, EventLoop::kClose}));
    EXPECT_EQ(listenerCodes.size(), 1U);

    loop().unwatch(listener.native);
    listener.close();
    const Socket refused(openSocket(kSocketStream, 6));
    Codes refusedCodes;
    loop().watch(refused.native, SocketRole::Connecting, kAll, recordInto(refusedCodes));
    connectSocket(refused.native, address);
    EXPECT_EQ(settled(loop(), refusedCodes, 1), Sorted{EventLoop::kConnect});
}

// Whichever comes first closes both, itself while its own callback runs, and
// opens a socket that may get a closed one's descriptor number.
TEST_P(EventLoopConformance, CallbacksMayUnwatchAndCloseWhatIsAlreadyCollected) {
    std::vector<Socket> sockets;
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
    for (int i = 0; i < 2; ++i) {
        auto [socket, address] = bound(kSocketDatagram);
        sendTo(address, 1);
        ASSERT_EQ(waitUntilReadable(socket.native, 5000), 1);
        loop().watch(socket.native, SocketRole::Datagram, EventLoop::kRead, closeBoth);
        sockets.push_back(std::move(socket));
    }
    ASSERT_TRUE(runUntil(loop(), [&] { return calls > 0; }));
    pumpRounds(loop());
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(newcomer.empty());
    loop().unwatch(opened.back().native);
}

// The check timer of runUntil is the repeating one.
TEST_P(EventLoopConformance, ATimerStoppedInItsTickNeverFiresAgain) {
    int once = 0;
    const EventLoop::TimerId single = loop().startTimer(1ms, [&] {
        ++once;
        loop().stopTimer(single);
    });
    EXPECT_NE(single, 0U);
    int ticks = 0;
    EXPECT_TRUE(runUntil(loop(), [&] { return ++ticks >= 10; }));
    EXPECT_EQ(once, 1);
}

// Work posted while a pump runs waits for the next one; inside run() the pump
// delivers socket events, as the dispatcher needs. What a callback throws is
// written to standard error and the loop goes on.
TEST_P(EventLoopConformance, ProcessPendingDoesNotNestRunsInsideRunAndLetsNoExceptionOut) {
    std::vector<std::string> order;
    loop().post([] { throw std::runtime_error("posted work"); });
    loop().post([] { throw 42; });
    loop().post([&] {
        order.push_back("outer begins");
        loop().post([&] { order.push_back("posted inside"); });
        loop().processPending();
        order.push_back("outer ends");
    });
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(pumpRounds(loop(), 2));
    EXPECT_EQ(order, (std::vector<std::string>{"outer begins", "outer ends", "posted inside"}));

    const auto [socket, local] = bound(kSocketDatagram);
    int calls = 0;
    loop().watch(socket.native, SocketRole::Datagram, EventLoop::kRead,
                 [&](EventLoop::Descriptor, int) {
                     ++calls;
                     throw std::runtime_error("socket callback");
                 });
    loop().post([&] {
        sendTo(local, 7);
        waitUntilReadable(socket.native, 5000);
        loop().processPending();
        EXPECT_EQ(calls, 1) << "delivered inside run()";
        loop().quit();
    });
    loop().run();
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("socket callback"), std::string::npos) << errors;
    EXPECT_NE(errors.find("posted work"), std::string::npos) << errors;
    loop().unwatch(socket.native);
}

}  // namespace
}  // namespace rennlupe::platform
