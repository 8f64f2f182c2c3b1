#include "platform/sockets/socket.h"
#include "platform/sockets/socketErrors.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

namespace rennlupe::platform {

namespace {

// errno and the Windows Sockets number of the same condition.
constexpr std::array<std::pair<int, int>, 41> kErrorMap{{
    {EINTR, 10004},        {EACCES, 10013},          {EPERM, 10013},
    {EFAULT, 10014},       {EINVAL, 10022},          {EMFILE, 10024},
    {ENFILE, 10024},       {EWOULDBLOCK, 10035},     {EINPROGRESS, 10036},
    {EALREADY, 10037},     {ENOTSOCK, 10038},        {EBADF, 10038},
    {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},        {EPROTOTYPE, 10041},
    {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044},
    {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},    {EAFNOSUPPORT, 10047},
    {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049},   {ENETDOWN, 10050},
    {ENETUNREACH, 10051},  {ENETRESET, 10052},       {ECONNABORTED, 10053},
    {ECONNRESET, 10054},   {ENOBUFS, 10055},         {ENOMEM, 10055},
    {EISCONN, 10056},      {ENOTCONN, 10057},        {ESHUTDOWN, 10058},
    {ETOOMANYREFS, 10059}, {ETIMEDOUT, 10060},       {ECONNREFUSED, 10061},
    {ELOOP, 10062},        {ENAMETOOLONG, 10063},    {EHOSTDOWN, 10064},
    {EHOSTUNREACH, 10065}, {EPIPE, 10058},
}};

int windowsSocketsError(int systemError) {
    for (const auto& [system, windows] : kErrorMap) {
        if (system == systemError) {
            return windows;
        }
    }
    return systemError;
}

template <typename T>
T fail(T result) {
    setLastError(windowsSocketsError(errno));
    return result;
}

// A system call interrupted by a signal before it did anything is made again.
template <typename Call>
auto retryOnInterrupt(Call&& call) {
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR) {
            return result;
        }
    }
}

int descriptor(NativeSocket socket) {
    return static_cast<int>(socket);
}

sockaddr_in toSystem(SocketAddress address) {
    sockaddr_in out{};
    out.sin_family = AF_INET;
    out.sin_port = htons(address.port);
    out.sin_addr.s_addr = htonl(address.address);
    return out;
}

SocketAddress fromSystem(const sockaddr_in& address) {
    return {ntohl(address.sin_addr.s_addr), ntohs(address.sin_port)};
}

const sockaddr* asGeneric(const sockaddr_in& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

sockaddr* asGeneric(sockaddr_in& address) {
    return reinterpret_cast<sockaddr*>(&address);
}

int resolverError(int code) {
    switch (code) {
    case EAI_AGAIN:
        return 11002;
    case EAI_FAIL:
        return 11003;
    case EAI_NODATA:
    case EAI_ADDRFAMILY:
        return 11004;
    case EAI_SYSTEM:
        return windowsSocketsError(errno);
    default:
        return kErrorHostNotFound;
    }
}

}  // namespace

int startup() {
    return 0;
}

void cleanup() {}

NativeSocket openSocket(int type, int protocol) {
    const int systemType = type == kSocketStream     ? SOCK_STREAM
                           : type == kSocketDatagram ? SOCK_DGRAM
                                                     : type;
    const int result = ::socket(AF_INET, systemType | SOCK_CLOEXEC, protocol);
    return result < 0 ? fail(kInvalidSocket) : NativeSocket{result};
}

int setNonBlocking(NativeSocket socket) {
    const int flags = ::fcntl(descriptor(socket), F_GETFL);
    if (flags < 0 || ::fcntl(descriptor(socket), F_SETFL, flags | O_NONBLOCK) < 0) {
        return fail(-1);
    }
    return 0;
}

int bindSocket(NativeSocket socket, SocketAddress local) {
    const sockaddr_in address = toSystem(local);
    if (::bind(descriptor(socket), asGeneric(address), sizeof address) < 0) {
        return fail(-1);
    }
    return 0;
}

int connectSocket(NativeSocket socket, SocketAddress remote) {
    const sockaddr_in address = toSystem(remote);
    // A retried connect would report "already in progress"; it goes on by itself.
    if (::connect(descriptor(socket), asGeneric(address), sizeof address) < 0) {
        return fail(-1);
    }
    return 0;
}

int listenSocket(NativeSocket socket, int backlog) {
    return ::listen(descriptor(socket), backlog) < 0 ? fail(-1) : 0;
}

NativeSocket acceptSocket(NativeSocket socket, SocketAddress& peer) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    const int result = retryOnInterrupt(
        [&] { return ::accept4(descriptor(socket), asGeneric(address), &length, SOCK_CLOEXEC); });
    if (result < 0) {
        return fail(kInvalidSocket);
    }
    peer = fromSystem(address);
    return result;
}

int localAddress(NativeSocket socket, SocketAddress& local) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(descriptor(socket), asGeneric(address), &length) < 0) {
        return fail(-1);
    }
    local = fromSystem(address);
    return 0;
}

std::ptrdiff_t receiveBytes(NativeSocket socket, std::span<std::uint8_t> buffer) {
    if (failsByTestHook()) {
        return -1;
    }
    const auto result = retryOnInterrupt(
        [&] { return ::recv(descriptor(socket), buffer.data(), buffer.size(), 0); });
    return result < 0 ? fail(std::ptrdiff_t{-1}) : result;
}

std::ptrdiff_t receiveFrom(NativeSocket socket, std::span<std::uint8_t> buffer,
                           SocketAddress& from) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (failsByTestHook()) {
        return -1;
    }
    const auto result = retryOnInterrupt([&] {
        return ::recvfrom(descriptor(socket), buffer.data(), buffer.size(), 0, asGeneric(address),
                          &length);
    });
    if (result < 0) {
        return fail(std::ptrdiff_t{-1});
    }
    from = fromSystem(address);
    return result;
}

int receiveWaiting(NativeSocket socket, std::span<DatagramSlot> slots) {
    constexpr std::size_t kMost = 64;
    std::array<mmsghdr, kMost> headers{};
    std::array<iovec, kMost> parts{};
    std::array<sockaddr_in, kMost> senders{};
    const std::size_t count = std::min(slots.size(), kMost);
    if (failsByTestHook()) {
        return -1;
    }
    for (std::size_t i = 0; i < count; ++i) {
        parts[i] = {slots[i].buffer.data(), slots[i].buffer.size()};
        headers[i].msg_hdr.msg_iov = &parts[i];
        headers[i].msg_hdr.msg_iovlen = 1;
        headers[i].msg_hdr.msg_name = &senders[i];
        headers[i].msg_hdr.msg_namelen = sizeof senders[i];
    }
    const int result = retryOnInterrupt([&] {
        return ::recvmmsg(descriptor(socket), headers.data(), static_cast<unsigned>(count),
                          MSG_DONTWAIT, nullptr);
    });
    if (result < 0) {
        return fail(-1);
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(result); ++i) {
        slots[i].length = std::min<std::size_t>(headers[i].msg_len, slots[i].buffer.size());
        slots[i].from = fromSystem(senders[i]);
    }
    return result;
}

std::ptrdiff_t sendBytes(NativeSocket socket, std::span<const std::uint8_t> bytes) {
    const auto result = retryOnInterrupt(
        [&] { return ::send(descriptor(socket), bytes.data(), bytes.size(), MSG_NOSIGNAL); });
    return result < 0 ? fail(std::ptrdiff_t{-1}) : result;
}

std::ptrdiff_t sendBytesTo(NativeSocket socket, std::span<const std::uint8_t> bytes,
                           SocketAddress remote) {
    const sockaddr_in address = toSystem(remote);
    const auto result = retryOnInterrupt([&] {
        return ::sendto(descriptor(socket), bytes.data(), bytes.size(), MSG_NOSIGNAL,
                        asGeneric(address), sizeof address);
    });
    return result < 0 ? fail(std::ptrdiff_t{-1}) : result;
}

int closeSocket(NativeSocket socket) {
    // Not retried: after EINTR the descriptor is already gone on Linux.
    return ::close(descriptor(socket)) < 0 ? fail(-1) : 0;
}

int waitUntilReadable(NativeSocket socket, int timeoutMilliseconds) {
    pollfd entry{descriptor(socket), POLLIN, 0};
    const int result = retryOnInterrupt([&] { return ::poll(&entry, 1, timeoutMilliseconds); });
    return result < 0 ? fail(-1) : result;
}

std::optional<std::uint32_t> parseIPv4(std::string_view text) {
    const std::string terminated(text);
    in_addr address{};
    if (::inet_aton(terminated.c_str(), &address) == 0) {
        return std::nullopt;
    }
    return ntohl(address.s_addr);
}

std::optional<std::uint32_t> resolveIPv4(std::string_view host) {
    const std::string terminated(host);
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    const int result = ::getaddrinfo(terminated.c_str(), nullptr, &hints, &found);
    if (result != 0) {
        setLastError(resolverError(result));
        return std::nullopt;
    }
    const auto* first = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    const std::uint32_t address = ntohl(first->sin_addr.s_addr);
    ::freeaddrinfo(found);
    return address;
}

std::string formatIPv4(std::uint32_t address) {
    in_addr system{};
    system.s_addr = htonl(address);
    std::array<char, INET_ADDRSTRLEN> text{};
    ::inet_ntop(AF_INET, &system, text.data(), text.size());
    return text.data();
}

std::vector<std::uint32_t> ownIPv4Addresses() {
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0) {
        return fail(std::vector<std::uint32_t>{});
    }
    std::vector<std::uint32_t> addresses;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr != nullptr && entry->ifa_addr->sa_family == AF_INET) {
            addresses.push_back(
                ntohl(reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr.s_addr));
        }
    }
    ::freeifaddrs(list);
    return addresses;
}

}  // namespace rennlupe::platform
