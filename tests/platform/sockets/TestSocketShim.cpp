#include "platform/sockets/socket.h"
#include "support/underWine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace rennlupe::platform {
namespace {

constexpr std::uint32_t kLoopback = 0x7F000001;

NativeSocket boundSocket(int type, int protocol, SocketAddress& local) {
    const NativeSocket socket = openSocket(type, protocol);
    EXPECT_NE(socket, kInvalidSocket);
    EXPECT_EQ(bindSocket(socket, {kLoopback, 0}), 0);
    EXPECT_EQ(localAddress(socket, local), 0);
    return socket;
}

// The Windows Sockets number after a call that failed, 0 after one that did not.
int errorAfter(bool failed) {
    return failed ? lastError() : 0;
}

TEST(SocketShim, ReadsHostTextAsThePlatformParserDoesAndResolvesNames) {
    for (const auto& [text, address] :
         {std::pair<const char*, std::optional<std::uint32_t>>{"127.0.0.1", kLoopback},
          {"127.1", kLoopback},
          {"0x7f.1", kLoopback},
          {"10.1.2", 0x0A010002U},
          {"255.255.255.255", 0xFFFFFFFFU},
          {"1.2.3.4.5", std::nullopt},
          {"localhost", std::nullopt},
          {"", std::nullopt}}) {
        EXPECT_EQ(parseIPv4(text), address) << text;
    }
    EXPECT_EQ(formatIPv4(0x0A010002U), "10.1.0.2");
    EXPECT_EQ(resolveIPv4("localhost"), kLoopback);
    EXPECT_EQ(errorAfter(!resolveIPv4("no-such-host.invalid")), kErrorHostNotFound);
    EXPECT_GE(std::ranges::count(ownIPv4Addresses(), kLoopback), 1);
}

// The failure hook that keeps the datagram is checked where the socket object reads.
TEST(SocketShim, RealFailuresCarryWindowsSocketsNumbers) {
    SocketAddress taken{};
    const NativeSocket first = boundSocket(kSocketDatagram, 17, taken);
    const NativeSocket second = openSocket(kSocketDatagram, 17);
    // Wine lets a datagram socket bind a taken port, or an address that is not
    // the machine's (192.0.2.1); Windows and Linux refuse both.
    if (!support::underWine()) {
        EXPECT_EQ(errorAfter(bindSocket(second, taken) == -1), 10048);
        EXPECT_EQ(errorAfter(bindSocket(second, {0xC0000201, 0}) == -1), 10049);
    }
    EXPECT_EQ(setNonBlocking(second), 0);
    std::array<std::uint8_t, 8> buffer{};
    EXPECT_EQ(errorAfter(receiveBytes(second, buffer) == -1), kErrorWouldBlock);

    SocketAddress closed{};
    closeSocket(boundSocket(kSocketStream, 6, closed));
    const NativeSocket client = openSocket(kSocketStream, 6);
    EXPECT_EQ(errorAfter(connectSocket(client, closed) == -1), 10061);
    EXPECT_EQ(errorAfter(openSocket(kSocketStream, 17) == kInvalidSocket), 10043);

    for (const NativeSocket socket : {first, second, client}) {
        EXPECT_EQ(closeSocket(socket), 0);
    }
    EXPECT_EQ(errorAfter(closeSocket(first) == -1), 10038);
}

}  // namespace
}  // namespace rennlupe::platform
