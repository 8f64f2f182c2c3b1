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

constexpr std::uint32_t kLoopback = 0x7F000001;
constexpr int kAll = EventLoop::kRead | EventLoop::kWrite | EventLoop::kAccept |
                     EventLoop::kConnect | EventLoop::kClose;

// A socket that closes itself at the end of the test.
class Socket {
public:
    explicit Socket(NativeSocket native) : m_native(native) { EXPECT_NE(native, kInvalidSocket); }
    ~Socket() { close(); }
    Socket(Socket&& other) noexcept : m_native(std::exchange(other.m_native, kInvalidSocket)) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    Socket& operator=(Socket&&) = delete;

    NativeSocket get() const { return m_native; }
    void close() {
        if (m_native != kInvalidSocket) {
            closeSocket(std::exchange(m_native, kInvalidSocket));
        }
    }

private:
    NativeSocket m_native;
};

NativeSocket boundDatagram(SocketAddress& local) {
    const NativeSocket socket = openSocket(kSocketDatagram, 17);
    bindSocket(socket, {kLoopback, 0});
    localAddress(socket, local);
    setNonBlocking(socket);
    return socket;
}

void sendTo(SocketAddress to, std::vector<std::uint8_t> bytes) {
    const Socket sender(openSocket(kSocketDatagram, 17));
    ASSERT_EQ(sendBytesTo(sender.get(), bytes, to), static_cast<std::ptrdiff_t>(bytes.size()));
}

std::ptrdiff_t readOne(const Socket& socket) {
    std::array<std::uint8_t, 64> buffer{};
    return receiveBytes(socket.get(), buffer);
}

EventLoop::SocketCallback recordInto(Codes& codes) {
    return [&codes](EventLoop::Descriptor, int code) { codes.push_back(code); };
}

TEST_P(EventLoopConformance, DatagramReadAndWriteComeOnceUntilRearmed) {
    SocketAddress local{};
    const Socket socket(boundDatagram(local));
    Codes codes;
    loop().watch(socket.get(), SocketRole::Datagram, kAll, recordInto(codes));
    sendTo(local, {1});
    sendTo(local, {2});
    ASSERT_TRUE(runUntil(loop(), [&] { return codes.size() == 2; }));
    pumpRounds(loop());
    std::ranges::sort(codes);
    EXPECT_EQ(codes, (Codes{EventLoop::kRead, EventLoop::kWrite}));

    codes.clear();
    EXPECT_EQ(readOne(socket), 1);
    loop().rearm(socket.get(), EventLoop::kRead);
    loop().rearm(socket.get(), EventLoop::kWrite);
    ASSERT_TRUE(runUntil(loop(), [&] { return codes.size() == 2; }));
    EXPECT_EQ(readOne(socket), 1);
    loop().rearm(socket.get(), EventLoop::kRead);
    pumpRounds(loop());
    std::ranges::sort(codes);
    EXPECT_EQ(codes, (Codes{EventLoop::kRead, EventLoop::kWrite}));
}

TEST_P(EventLoopConformance, StreamSocketsConnectAcceptAndCloseOnce) {
    const Socket listener(openSocket(kSocketStream, 6));
    SocketAddress address{};
    bindSocket(listener.get(), {kLoopback, 0});
    localAddress(listener.get(), address);
    setNonBlocking(listener.get());
    Codes listenerCodes;
    loop().watch(listener.get(), SocketRole::Listening, kAll, recordInto(listenerCodes));
    listenSocket(listener.get(), 5);

    Socket client(openSocket(kSocketStream, 6));
    setNonBlocking(client.get());
    Codes clientCodes;
    loop().watch(client.get(), SocketRole::Connecting, kAll, recordInto(clientCodes));
    connectSocket(client.get(), address);
    ASSERT_TRUE(
        runUntil(loop(), [&] { return !listenerCodes.empty() && clientCodes.size() == 2; }));
    pumpRounds(loop());
    EXPECT_EQ(listenerCodes, Codes{EventLoop::kAccept}) << "8 again before an accept was tried";
    EXPECT_EQ(clientCodes, (Codes{EventLoop::kConnect, EventLoop::kWrite}));

    SocketAddress peer{};
    const Socket accepted(acceptSocket(listener.get(), peer));
    setNonBlocking(accepted.get());
    Codes acceptedCodes;
    loop().watch(accepted.get(), SocketRole::Connected, kAll, recordInto(acceptedCodes));
    const std::array<std::uint8_t, 3> text{'a', 'b', 'c'};
    ASSERT_EQ(sendBytes(client.get(), text), 3);
    client.close();
    ASSERT_TRUE(runUntil(loop(), [&] { return acceptedCodes.size() == 2; }));
    pumpRounds(loop());
    std::ranges::sort(acceptedCodes);
    EXPECT_EQ(acceptedCodes, (Codes{EventLoop::kRead, EventLoop::kWrite}))
        << "no close while data is waiting";

    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(receiveBytes(accepted.get(), buffer), 3);
    loop().rearm(accepted.get(), EventLoop::kRead);
    ASSERT_TRUE(runUntil(loop(), [&] { return acceptedCodes.size() == 3; }));
    pumpRounds(loop());
    EXPECT_EQ(acceptedCodes.back(), EventLoop::kClose);
    EXPECT_EQ(acceptedCodes.size(), 3U) << "close once";
    EXPECT_EQ(listenerCodes.size(), 1U);
}

TEST_P(EventLoopConformance, AFailedConnectGivesConnectOnceAndNothingElse) {
    SocketAddress address{};
    {
        const Socket gone(openSocket(kSocketStream, 6));
        bindSocket(gone.get(), {kLoopback, 0});
        localAddress(gone.get(), address);
    }
    const Socket client(openSocket(kSocketStream, 6));
    setNonBlocking(client.get());
    Codes codes;
    loop().watch(client.get(), SocketRole::Connecting, kAll, recordInto(codes));
    connectSocket(client.get(), address);
    ASSERT_TRUE(runUntil(loop(), [&] { return !codes.empty(); }));
    pumpRounds(loop());
    EXPECT_EQ(codes, Codes{EventLoop::kConnect});
}

TEST_P(EventLoopConformance, CallbacksMayUnwatchAndCloseWhatIsAlreadyCollected) {
    SocketAddress firstAddress{};
    SocketAddress secondAddress{};
    std::vector<Socket> sockets;
    sockets.emplace_back(boundDatagram(firstAddress));
    sockets.emplace_back(boundDatagram(secondAddress));
    sendTo(firstAddress, {1});
    sendTo(secondAddress, {2});
    ASSERT_EQ(waitUntilReadable(sockets[0].get(), 5000), 1);
    ASSERT_EQ(waitUntilReadable(sockets[1].get(), 5000), 1);

    int calls = 0;
    Codes newcomer;
    std::vector<Socket> opened;
    // Whichever comes first closes both, itself while its own callback runs,
    // and opens a socket that may get a closed one's descriptor number.
    const auto closeBoth = [&](EventLoop::Descriptor, int) {
        ++calls;
        for (Socket& socket : sockets) {
            loop().unwatch(socket.get());
            socket.close();
        }
        opened.emplace_back(openSocket(kSocketDatagram, 17));
        loop().watch(opened.back().get(), SocketRole::Datagram, EventLoop::kRead,
                     recordInto(newcomer));
    };
    loop().watch(sockets[0].get(), SocketRole::Datagram, EventLoop::kRead, closeBoth);
    loop().watch(sockets[1].get(), SocketRole::Datagram, EventLoop::kRead, closeBoth);
    ASSERT_TRUE(runUntil(loop(), [&] { return calls > 0; }));
    pumpRounds(loop());
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(newcomer.empty());
    loop().unwatch(opened.back().get());
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

    // Inside run() the pump delivers what waits, as the dispatcher needs.
    SocketAddress local{};
    const Socket socket(boundDatagram(local));
    Codes codes;
    loop().watch(socket.get(), SocketRole::Datagram, EventLoop::kRead, recordInto(codes));
    bool seenInside = false;
    loop().post([&] {
        sendTo(local, {7});
        waitUntilReadable(socket.get(), 5000);
        loop().processPending();
        seenInside = codes.size() == 1;
        loop().quit();
    });
    loop().run();
    EXPECT_TRUE(seenInside);
    loop().unwatch(socket.get());
}

TEST_P(EventLoopConformance, NoExceptionLeavesTheLoop) {
    SocketAddress local{};
    const Socket socket(boundDatagram(local));
    loop().watch(socket.get(), SocketRole::Datagram, EventLoop::kRead,
                 [](EventLoop::Descriptor, int) { throw std::runtime_error("socket callback"); });
    sendTo(local, {1});
    waitUntilReadable(socket.get(), 5000);
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
    loop().unwatch(socket.get());
}

}  // namespace
}  // namespace rennlupe::platform
