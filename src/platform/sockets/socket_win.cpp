#include "platform/sockets/socket.h"
#include "platform/sockets/socketErrors.h"

// Winsock first: windows.h, which the others include, would bring the old winsock.h.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <iphlpapi.h>
#include <mstcpip.h>

#include <algorithm>
#include <array>

namespace rennlupe::platform {

namespace {

// SIO_UDP_CONNRESET, which older mingw-w64 headers lack.
constexpr DWORD kReportUdpReset = IOC_IN | IOC_VENDOR | 12;

template <typename T>
T fail(T result) {
    setLastError(::WSAGetLastError());
    return result;
}

SOCKET handle(NativeSocket socket) {
    return static_cast<SOCKET>(socket);
}

sockaddr_in toSystem(SocketAddress address) {
    sockaddr_in out{};
    out.sin_family = AF_INET;
    out.sin_port = ::htons(address.port);
    out.sin_addr.s_addr = ::htonl(address.address);
    return out;
}

SocketAddress fromSystem(const sockaddr_in& address) {
    return {::ntohl(address.sin_addr.s_addr), ::ntohs(address.sin_port)};
}

const sockaddr* asGeneric(const sockaddr_in& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

sockaddr* asGeneric(sockaddr_in& address) {
    return reinterpret_cast<sockaddr*>(&address);
}

int length(std::size_t size) {
    return static_cast<int>(std::min<std::size_t>(size, 0x7fffffff));
}

// A datagram larger than the buffer arrives cut, as on Linux, not as a failure.
std::ptrdiff_t cutToBuffer(int result, std::size_t size) {
    if (result == SOCKET_ERROR && ::WSAGetLastError() == WSAEMSGSIZE) {
        return static_cast<std::ptrdiff_t>(size);
    }
    return result == SOCKET_ERROR ? fail(std::ptrdiff_t{-1}) : result;
}

}  // namespace

int startup() {
    WSADATA data{};
    return ::WSAStartup(MAKEWORD(2, 2), &data);
}

void cleanup() {
    ::WSACleanup();
}

NativeSocket openSocket(int type, int protocol) {
    const int systemType = type == kSocketStream     ? SOCK_STREAM
                           : type == kSocketDatagram ? SOCK_DGRAM
                                                     : type;
    const SOCKET result =
        ::WSASocketW(AF_INET, systemType, protocol, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (result == INVALID_SOCKET) {
        return fail(kInvalidSocket);
    }
    // A datagram to a closed port must not fail the next receive (WSAECONNRESET).
    if (systemType == SOCK_DGRAM) {
        BOOL report = FALSE;
        DWORD returned = 0;
        ::WSAIoctl(result, kReportUdpReset, &report, sizeof report, nullptr, 0, &returned, nullptr,
                   nullptr);
    }
    return static_cast<NativeSocket>(result);
}

int setNonBlocking(NativeSocket socket) {
    u_long on = 1;
    return ::ioctlsocket(handle(socket), static_cast<long>(FIONBIO), &on) == SOCKET_ERROR ? fail(-1)
                                                                                          : 0;
}

int bindSocket(NativeSocket socket, SocketAddress local) {
    const sockaddr_in address = toSystem(local);
    if (::bind(handle(socket), asGeneric(address), sizeof address) == SOCKET_ERROR) {
        return fail(-1);
    }
    return 0;
}

int connectSocket(NativeSocket socket, SocketAddress remote) {
    const sockaddr_in address = toSystem(remote);
    if (::connect(handle(socket), asGeneric(address), sizeof address) == SOCKET_ERROR) {
        return fail(-1);
    }
    return 0;
}

int listenSocket(NativeSocket socket, int backlog) {
    return ::listen(handle(socket), backlog) == SOCKET_ERROR ? fail(-1) : 0;
}

NativeSocket acceptSocket(NativeSocket socket, SocketAddress& peer) {
    sockaddr_in address{};
    int size = sizeof address;
    const SOCKET result = ::accept(handle(socket), asGeneric(address), &size);
    if (result == INVALID_SOCKET) {
        return fail(kInvalidSocket);
    }
    peer = fromSystem(address);
    return static_cast<NativeSocket>(result);
}

int localAddress(NativeSocket socket, SocketAddress& local) {
    sockaddr_in address{};
    int size = sizeof address;
    if (::getsockname(handle(socket), asGeneric(address), &size) == SOCKET_ERROR) {
        return fail(-1);
    }
    local = fromSystem(address);
    return 0;
}

std::ptrdiff_t receiveBytes(NativeSocket socket, std::span<std::uint8_t> buffer) {
    if (failsByTestHook()) {
        return -1;
    }
    const int result =
        ::recv(handle(socket), reinterpret_cast<char*>(buffer.data()), length(buffer.size()), 0);
    return cutToBuffer(result, buffer.size());
}

std::ptrdiff_t receiveFrom(NativeSocket socket, std::span<std::uint8_t> buffer,
                           SocketAddress& from) {
    sockaddr_in address{};
    int size = sizeof address;
    if (failsByTestHook()) {
        return -1;
    }
    const int result = ::recvfrom(handle(socket), reinterpret_cast<char*>(buffer.data()),
                                  length(buffer.size()), 0, asGeneric(address), &size);
    const std::ptrdiff_t received = cutToBuffer(result, buffer.size());
    if (received >= 0) {
        from = fromSystem(address);
    }
    return received;
}

// Winsock has no recvmmsg: one recvfrom per slot while datagrams wait.
int receiveWaiting(NativeSocket socket, std::span<DatagramSlot> slots) {
    if (failsByTestHook()) {
        return -1;
    }
    int received = 0;
    for (DatagramSlot& slot : slots) {
        u_long waiting = 0;
        if (::ioctlsocket(handle(socket), FIONREAD, &waiting) == SOCKET_ERROR) {
            return received > 0 ? received : fail(-1);
        }
        if (waiting == 0 && received > 0) {
            break;
        }
        const std::ptrdiff_t result = receiveFrom(socket, slot.buffer, slot.from);
        if (result < 0) {
            return received > 0 ? received : -1;
        }
        slot.length = static_cast<std::size_t>(result);
        ++received;
    }
    return received;
}

std::ptrdiff_t sendBytes(NativeSocket socket, std::span<const std::uint8_t> bytes) {
    const int result = ::send(handle(socket), reinterpret_cast<const char*>(bytes.data()),
                              length(bytes.size()), 0);
    return result == SOCKET_ERROR ? fail(std::ptrdiff_t{-1}) : result;
}

std::ptrdiff_t sendBytesTo(NativeSocket socket, std::span<const std::uint8_t> bytes,
                           SocketAddress remote) {
    const sockaddr_in address = toSystem(remote);
    const int result = ::sendto(handle(socket), reinterpret_cast<const char*>(bytes.data()),
                                length(bytes.size()), 0, asGeneric(address), sizeof address);
    return result == SOCKET_ERROR ? fail(std::ptrdiff_t{-1}) : result;
}

int closeSocket(NativeSocket socket) {
    return ::closesocket(handle(socket)) == SOCKET_ERROR ? fail(-1) : 0;
}

int waitUntilReadable(NativeSocket socket, int timeoutMilliseconds) {
    WSAPOLLFD entry{handle(socket), POLLRDNORM, 0};
    const int result = ::WSAPoll(&entry, 1, timeoutMilliseconds);
    return result == SOCKET_ERROR ? fail(-1) : result;
}

// Not strict: the short and hexadecimal forms ("127.1", "0x7f.1") as inet_aton reads them.
std::optional<std::uint32_t> parseIPv4(std::string_view text) {
    const std::string terminated(text);
    IN_ADDR address{};
    LPSTR end = nullptr;
    if (terminated.empty() ||
        ::RtlIpv4StringToAddressA(terminated.c_str(), FALSE, &end, &address) != 0 ||
        end != terminated.c_str() + terminated.size()) {
        return std::nullopt;
    }
    return ::ntohl(address.s_addr);
}

std::optional<std::uint32_t> resolveIPv4(std::string_view host) {
    const std::string terminated(host);
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (::getaddrinfo(terminated.c_str(), nullptr, &hints, &found) != 0) {
        const int error = ::WSAGetLastError();
        setLastError(error != 0 ? error : kErrorHostNotFound);
        return std::nullopt;
    }
    const auto* first = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const std::uint32_t address = ::ntohl(first->sin_addr.s_addr);
    ::freeaddrinfo(found);
    return address;
}

std::string formatIPv4(std::uint32_t address) {
    in_addr system{};
    system.s_addr = ::htonl(address);
    std::array<char, INET_ADDRSTRLEN> text{};
    ::inet_ntop(AF_INET, &system, text.data(), text.size());
    return text.data();
}

// The adapters' list may grow between asking its size and reading it: asked again.
std::vector<std::uint32_t> ownIPv4Addresses() {
    std::vector<std::uint32_t> addresses{0x7F000001};
    constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST;
    ULONG size = 16 * 1024;
    std::vector<std::uint8_t> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size);
        result =
            ::GetAdaptersAddresses(AF_INET, kFlags, nullptr,
                                   reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (result != NO_ERROR) {
        return addresses;
    }
    const auto* list = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data());
    for (const auto* adapter = list; adapter != nullptr; adapter = adapter->Next) {
        for (const auto* unicast = adapter->FirstUnicastAddress; unicast != nullptr;
             unicast = unicast->Next) {
            const auto* address = reinterpret_cast<const sockaddr_in*>(unicast->Address.lpSockaddr);
            const std::uint32_t value = ::ntohl(address->sin_addr.s_addr);
            if (std::find(addresses.begin(), addresses.end(), value) == addresses.end()) {
                addresses.push_back(value);
            }
        }
    }
    return addresses;
}

}  // namespace rennlupe::platform
