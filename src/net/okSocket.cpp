#include "net/okSocket.h"

#include "bits/IndexOutOfRange.h"
#include "bits/Overflow.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rennlupe::net {

namespace {

using platform::EventLoop;
using platform::NativeSocket;

constexpr int kConnectMask =
    EventLoop::kRead | EventLoop::kWrite | EventLoop::kConnect | EventLoop::kClose;
constexpr int kListenMask = kConnectMask | EventLoop::kAccept;
constexpr int kBacklog = 5;
constexpr std::size_t kStreamChunk = 2048;
constexpr std::string_view kNotDone = "ImNotDone";
constexpr std::string_view kRegistrationFailed = "WSAAsyncSelect failed! :(";
constexpr std::int32_t kNotASocket = 10038;
// The copy loop of a send counts in signed 16 bits.
constexpr std::int32_t kSendLengthLimit = 32767;

struct ErrorText {
    std::int32_t code;
    std::string_view text;
};

constexpr std::array<ErrorText, 45> kErrorTexts{{
    {10004, "interrupted function call"},
    {10013, "permission denied"},
    {10014, "invalid address"},
    {10022, "invalid argument"},
    {10024, "too many files open"},
    {10035, "function call would block"},
    {10036, "blocking call already in progress"},
    {10037, "operation already in progress"},
    {10038, "not a valid socket descriptor"},
    {10039, "destination address required"},
    {10040, "message is too long"},
    {10041, "protocol wrong type for socket"},
    {10042, "bad protocol option"},
    {10043, "protocol not supported"},
    {10044, "socket type not supported"},
    {10045, "operation not supported"},
    {10046, "protocol family not supported"},
    {10047, "address family not supported by protocol"},
    {10048, "address in use"},
    {10049, "address is not available"},
    {10050, "network is down"},
    {10051, "network is unreachable"},
    {10052, "network dropped connection on reset"},
    {10053, "software caused connection abort"},
    {10054, "connection reset by peer"},
    {10055, "no buffer space available"},
    {10056, "socket is already connected"},
    {10057, "socket is not connected"},
    {10058, "cannot send after shutdown"},
    {10059, "too many socket references"},
    {10060, "request timed out"},
    {10061, "connection refused"},
    {10063, "name is too long"},
    {10064, "host is down"},
    {10065, "host is unreachable"},
    {10067, "too many processes"},
    {10091, "network sub-system is unavailable"},
    {10092, "requested version not supported"},
    {10093, "winsock is not loaded - call WSAStartup"},
    {10101, "graceful shutdown in progress"},
    {10109, "class type not found"},
    {11001, "host not found"},
    {11002, "non-authoritative host not found"},
    {11003, "non-recoverable error"},
    {11004, "valid name - no data record of requested type"},
}};

std::uint16_t portNumber(std::int32_t lngPort) {
    if (lngPort < 0 || lngPort > 65535) {
        throw bits::Overflow();
    }
    return static_cast<std::uint16_t>(lngPort);
}

// The port as a socket address holds it (network byte order), read as the
// little-endian signed 16-bit value the event hands on: 1234 gives -11772.
std::int16_t portAsStored(std::uint16_t port) {
    const auto high = static_cast<std::uint16_t>(port >> 8U);
    const auto low = static_cast<std::uint16_t>(port & 0xFFU);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(high | (low << 8U)));
}

}  // namespace

okSocket::okSocket(platform::EventLoop& loop, bits::MessageLine& messageLine, std::int32_t protocol)
    : m_loop(loop), m_messageLine(messageLine), m_protocol(protocol) {
    if (const int result = platform::startup(); result != 0) {
        report("WSAStartup error!", result);
        return;
    }
    m_started = true;
}

okSocket::~okSocket() {
    for (const auto& [handle, descriptor] : m_sockets) {
        m_loop.unwatch(descriptor);
        platform::closeSocket(descriptor);
    }
    if (m_started) {
        platform::cleanup();
    }
}

std::int32_t okSocket::ConnectTo(std::string_view strHost, std::int32_t lngPort) {
    if (!protocolSupported()) {
        return 0;
    }
    const std::uint16_t port = portNumber(lngPort);
    const auto address = ResolveHost(strHost);
    if (!address) {
        reportFailure("ConnectTo", platform::lastError());
        return 0;
    }
    const platform::SocketAddress remote{*address, port};
    const bool stream = m_protocol == kTcp;
    if (!stream) {
        m_udtSendAddr = remote;
    }
    const std::int32_t handle = createSocket("ConnectTo");
    const auto role = stream ? platform::SocketRole::Connecting : platform::SocketRole::Datagram;
    if (handle == 0 || !registerSocket(handle, role, kConnectMask)) {
        release(handle);
        return 0;
    }
    if (stream) {
        // Completion, or failure, comes as the connect notification.
        platform::connectSocket(m_sockets.at(handle), remote);
    }
    return handle;
}

std::int32_t okSocket::ListenTo(std::int32_t lngPort) {
    if (!protocolSupported()) {
        return 0;
    }
    const std::uint16_t port = portNumber(lngPort);
    const std::int32_t handle = createSocket("ListenTo");
    if (handle == 0) {
        return 0;
    }
    if (platform::bindSocket(m_sockets.at(handle), {0, port}) != 0) {
        reportFailure("ListenTo", platform::lastError());
        release(handle);
        return 0;
    }
    const bool stream = m_protocol == kTcp;
    const auto role = stream ? platform::SocketRole::Listening : platform::SocketRole::Datagram;
    if (!registerSocket(handle, role, kListenMask)) {
        release(handle);
        return 0;
    }
    if (stream) {
        platform::listenSocket(m_sockets.at(handle), kBacklog);
    }
    return handle;
}

void okSocket::SendString(std::int32_t lngSocket, std::string_view strData) {
    if (strData.empty()) {
        throw bits::IndexOutOfRange();
    }
    const auto descriptor = descriptorOf(lngSocket);
    if (!descriptor) {
        return;
    }
    const auto* first = reinterpret_cast<const std::uint8_t*>(strData.data());
    if (platform::sendBytes(*descriptor, {first, strData.size()}) < 0 &&
        platform::lastError() == platform::kErrorWouldBlock) {
        m_loop.rearm(*descriptor, EventLoop::kWrite);
    }
}

void okSocket::SendBytes(std::int32_t lngSocket, std::span<const std::uint8_t> bytData,
                         std::int32_t lngLength) {
    if (lngLength < 0) {
        throw bits::IndexOutOfRange();
    }
    const auto length = static_cast<std::size_t>(lngLength);
    if (bytData.size() <= std::min(length, std::size_t{kSendLengthLimit})) {
        throw bits::IndexOutOfRange();
    }
    if (lngLength >= kSendLengthLimit) {
        throw bits::Overflow();
    }
    const auto descriptor = descriptorOf(lngSocket);
    if (!descriptor || !m_udtSendAddr) {
        return;
    }
    if (platform::sendBytesTo(*descriptor, bytData.first(length), *m_udtSendAddr) < 0 &&
        platform::lastError() == platform::kErrorWouldBlock) {
        m_loop.rearm(*descriptor, EventLoop::kWrite);
    }
}

void okSocket::CloseIt(std::int32_t lngSocket) {
    release(lngSocket);
}

std::uint16_t okSocket::localPort(std::int32_t lngSocket) const {
    platform::SocketAddress local{};
    const auto descriptor = descriptorOf(lngSocket);
    if (!descriptor || platform::localAddress(*descriptor, local) != 0) {
        return 0;
    }
    return local.port;
}

std::string okSocket::SocketErrorText(std::int32_t code) {
    const auto* found = std::find_if(kErrorTexts.begin(), kErrorTexts.end(),
                                     [code](const ErrorText& entry) { return entry.code == code; });
    if (found == kErrorTexts.end()) {
        return "unknown error: " + std::to_string(code);
    }
    return std::string(found->text);
}

std::optional<std::uint32_t> okSocket::ResolveHost(std::string_view strHost) {
    if (auto address = platform::parseIPv4(strHost)) {
        return address;
    }
    return platform::resolveIPv4(strHost);
}

std::string okSocket::ReceiveText(std::int32_t lngSocket, platform::NativeSocket descriptor) {
    auto entry = std::find_if(m_udtRecvBuffers.begin(), m_udtRecvBuffers.end(),
                              [lngSocket](const RecvBuffer& b) { return b.socket == lngSocket; });
    if (entry == m_udtRecvBuffers.end()) {
        entry = m_udtRecvBuffers.insert(entry, RecvBuffer{lngSocket, {}});
    }
    std::array<std::uint8_t, kStreamChunk> buffer{};
    for (;;) {
        const std::ptrdiff_t received = platform::receiveBytes(descriptor, buffer);
        if (received < 0) {
            m_loop.rearm(descriptor, EventLoop::kRead);
            return std::string(kNotDone);
        }
        if (received == 0) {
            std::string text = std::move(entry->text);
            m_udtRecvBuffers.erase(entry);
            m_loop.rearm(descriptor, EventLoop::kRead);
            return text;
        }
        entry->text.append(buffer.begin(), buffer.begin() + received);
    }
}

void okSocket::ReceiveDatagrams(std::int32_t lngSocket, platform::NativeSocket descriptor) {
    // What waits is taken in one call and handed on one datagram at a time. The socket
    // is armed again only before the last, so a pump inside a handler cannot take a
    // later datagram before an earlier one.
    std::array<std::array<std::uint8_t, kReceiveSize>, kBurst> buffers;
    std::array<platform::DatagramSlot, kBurst> slots;
    for (std::size_t i = 0; i < kBurst; ++i) {
        slots[i].buffer = buffers[i];
    }
    const int count = platform::receiveWaiting(descriptor, slots);
    if (count <= 0) {
        m_lastSender.reset();
        m_lastLength = 0;
        m_loop.rearm(descriptor, EventLoop::kRead);
        buffers[0].fill(0);
        if (ReceivedBytes) {
            ReceivedBytes(lngSocket, buffers[0], kReceivedLength);
        }
        return;
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        std::fill(buffers[i].begin() + static_cast<std::ptrdiff_t>(slots[i].length),
                  buffers[i].end(), std::uint8_t{0});
        m_lastSender = slots[i].from;
        m_lastLength = slots[i].length;
        if (i + 1 == static_cast<std::size_t>(count)) {
            m_loop.rearm(descriptor, EventLoop::kRead);
        }
        if (ReceivedBytes) {
            ReceivedBytes(lngSocket, buffers[i], kReceivedLength);
        }
        if (descriptorOf(lngSocket) != descriptor) {
            return;  // a handler closed or replaced the socket
        }
    }
}

void okSocket::handleNotification(std::int32_t lngSocket, int code) {
    const auto descriptor = descriptorOf(lngSocket);
    if (!descriptor) {
        return;
    }
    switch (code) {
    case EventLoop::kRead:
        if (m_protocol == kTcp) {
            const std::string text = ReceiveText(lngSocket, *descriptor);
            if (text != kNotDone && ReceivedString) {
                ReceivedString(lngSocket, text);
            }
        } else if (m_protocol == kUdp) {
            ReceiveDatagrams(lngSocket, *descriptor);
        }
        break;
    case EventLoop::kWrite:
        if (ReadyToSend) {
            ReadyToSend(lngSocket);
        }
        break;
    case EventLoop::kAccept:
        acceptOn(*descriptor);
        break;
    case EventLoop::kConnect:
        if (Connected) {
            Connected(lngSocket);
        }
        break;
    case EventLoop::kClose:
        release(lngSocket);
        if (Closed) {
            Closed(lngSocket);
        }
        break;
    default:
        break;
    }
}

void okSocket::acceptOn(platform::NativeSocket listening) {
    platform::SocketAddress peer{};
    const NativeSocket accepted = platform::acceptSocket(listening, peer);
    m_loop.rearm(listening, EventLoop::kAccept);
    // A failed accept is still announced, with the handle -1, before registering it fails.
    const std::int32_t handle = accepted == platform::kInvalidSocket ? -1 : adopt(accepted);
    if (Accepted) {
        Accepted(handle, platform::formatIPv4(peer.address), portAsStored(peer.port));
    }
    if (!descriptorOf(handle)) {
        report(kRegistrationFailed, kNotASocket);
        return;
    }
    if (!registerSocket(handle, platform::SocketRole::Connected, kConnectMask)) {
        release(handle);
    }
}

bool okSocket::protocolSupported() {
    if (m_protocol == kTcp || m_protocol == kUdp) {
        return true;
    }
    report(kRegistrationFailed, kNotASocket);
    return false;
}

std::int32_t okSocket::createSocket(std::string_view procedure) {
    const NativeSocket descriptor = platform::openSocket(
        m_protocol == kTcp ? platform::kSocketStream : platform::kSocketDatagram, m_protocol);
    if (descriptor == platform::kInvalidSocket) {
        reportFailure(procedure, platform::lastError());
        return 0;
    }
    return adopt(descriptor);
}

std::int32_t okSocket::adopt(platform::NativeSocket descriptor) {
    const std::int32_t handle = m_nextHandle++;
    m_sockets.emplace(handle, descriptor);
    return handle;
}

bool okSocket::registerSocket(std::int32_t lngSocket, platform::SocketRole role, int mask) {
    const NativeSocket descriptor = m_sockets.at(lngSocket);
    if (!m_started) {
        report(kRegistrationFailed, 10093);
        return false;
    }
    if (platform::setNonBlocking(descriptor) != 0) {
        report(kRegistrationFailed, platform::lastError());
        return false;
    }
    m_loop.watch(descriptor, role, mask, [this, lngSocket](EventLoop::Descriptor, int code) {
        handleNotification(lngSocket, code);
    });
    return true;
}

std::optional<platform::NativeSocket> okSocket::descriptorOf(std::int32_t lngSocket) const {
    const auto found = m_sockets.find(lngSocket);
    if (found == m_sockets.end()) {
        return std::nullopt;
    }
    return found->second;
}

void okSocket::release(std::int32_t lngSocket) {
    const auto found = m_sockets.find(lngSocket);
    if (found == m_sockets.end()) {
        return;
    }
    m_loop.unwatch(found->second);
    platform::closeSocket(found->second);
    m_sockets.erase(found);
    std::erase_if(m_udtRecvBuffers,
                  [lngSocket](const RecvBuffer& b) { return b.socket == lngSocket; });
}

void okSocket::report(std::string_view text, std::int32_t code) {
    m_lastError = code;
    m_messageLine.show(text);
}

void okSocket::reportFailure(std::string_view procedure, std::int32_t code) {
    std::string text = "ERROR! ";
    text.append(procedure);
    text.append("() ");
    text.append(SocketErrorText(code));
    report(text, code);
}

}  // namespace rennlupe::net
