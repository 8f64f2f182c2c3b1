#pragma once

#include "platform/sockets/DatagramSlot.h"
#include "platform/sockets/SocketAddress.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A thin layer over BSD sockets that makes the calls a Windows Sockets build
// makes. Failures return -1 (kInvalidSocket for a socket) and leave their
// Windows Sockets error number in lastError().
namespace rennlupe::platform {

using NativeSocket = std::intptr_t;
inline constexpr NativeSocket kInvalidSocket = -1;

inline constexpr int kSocketStream = 1;
inline constexpr int kSocketDatagram = 2;

inline constexpr int kErrorWouldBlock = 10035;
inline constexpr int kErrorHostNotFound = 11001;

// 0 when the network library is ready, else its error number.
int startup();
void cleanup();

int lastError();

NativeSocket openSocket(int type, int protocol);
int setNonBlocking(NativeSocket socket);
int bindSocket(NativeSocket socket, SocketAddress local);
int connectSocket(NativeSocket socket, SocketAddress remote);
int listenSocket(NativeSocket socket, int backlog);
NativeSocket acceptSocket(NativeSocket socket, SocketAddress& peer);
int localAddress(NativeSocket socket, SocketAddress& local);
std::ptrdiff_t receiveBytes(NativeSocket socket, std::span<std::uint8_t> buffer);
std::ptrdiff_t receiveFrom(NativeSocket socket, std::span<std::uint8_t> buffer,
                           SocketAddress& from);
// The datagrams already waiting, up to one per slot, in one call that never waits:
// how many were received, or -1 (none waiting: kErrorWouldBlock).
int receiveWaiting(NativeSocket socket, std::span<DatagramSlot> slots);
std::ptrdiff_t sendBytes(NativeSocket socket, std::span<const std::uint8_t> bytes);
std::ptrdiff_t sendBytesTo(NativeSocket socket, std::span<const std::uint8_t> bytes,
                           SocketAddress remote);
int closeSocket(NativeSocket socket);
// 1 when a receive would not block, 0 when the time ran out first.
int waitUntilReadable(NativeSocket socket, int timeoutMilliseconds);

// Dotted forms as the platform's IPv4 parser reads them ("127.1", "0x7f.1").
std::optional<std::uint32_t> parseIPv4(std::string_view text);
// The resolver's first IPv4 address for a host name.
std::optional<std::uint32_t> resolveIPv4(std::string_view host);
std::string formatIPv4(std::uint32_t address);
// The IPv4 addresses of this machine's network interfaces, loopback included.
std::vector<std::uint32_t> ownIPv4Addresses();

// Test hook: the next receive on any socket fails with this error number and
// leaves the waiting data where it is.
void failNextReceive(int error);

}  // namespace rennlupe::platform
