#pragma once

#include "bits/MessageLine.h"
#include "platform/eventloop/EventLoop.h"
#include "platform/sockets/socket.h"
#include "platform/sockets/SocketAddress.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::net {

// The program's socket object: one instance serves any number of stream or
// datagram sockets and raises each notification as an event with the socket's
// handle. Handles are its own: never 0, never reused, closed ones harmless.
class okSocket {
public:
    static constexpr std::int32_t kTcp = 6;
    static constexpr std::int32_t kUdp = 17;
    static constexpr std::size_t kReceiveSize = 1025;
    static constexpr std::int32_t kReceivedLength = 1024;
    // Datagrams handled in one wake-up at most.
    static constexpr std::size_t kBurst = 16;

    okSocket(platform::EventLoop& loop, bits::MessageLine& messageLine,
             std::int32_t protocol = kTcp);
    ~okSocket();
    okSocket(const okSocket&) = delete;
    okSocket& operator=(const okSocket&) = delete;

    std::int32_t Protocol() const noexcept { return m_protocol; }
    void Protocol(std::int32_t newProtocol) noexcept { m_protocol = newProtocol; }

    std::int32_t ConnectTo(std::string_view strHost, std::int32_t lngPort);
    std::int32_t ListenTo(std::int32_t lngPort);
    void SendString(std::int32_t lngSocket, std::string_view strData);
    // Sends the first lngLength of bytData's lngLength + 1 elements.
    void SendBytes(std::int32_t lngSocket, std::span<const std::uint8_t> bytData,
                   std::int32_t lngLength);
    void CloseIt(std::int32_t lngSocket);

    static std::string SocketErrorText(std::int32_t code);
    // A dotted address as the platform reads it, else the resolver's first IPv4 address.
    static std::optional<std::uint32_t> ResolveHost(std::string_view strHost);
    // Where the datagram being handed to ReceivedBytes came from; nothing when its receive failed.
    std::optional<platform::SocketAddress> lastSender() const noexcept { return m_lastSender; }
    // Its own length, where ReceivedBytes hands a zero-filled buffer of kReceivedLength.
    std::size_t lastLength() const noexcept { return m_lastLength; }
    // The Windows Sockets number behind the latest failure message, 0 if none.
    std::int32_t lastError() const noexcept { return m_lastError; }
    // The local port a socket is bound to, 0 if none; for tests and tools.
    std::uint16_t localPort(std::int32_t lngSocket) const;

    std::function<void(std::int32_t lngSocket)> Connected;
    std::function<void(std::int32_t lngSocket, const std::string& strAddr, std::int16_t intPort)>
        Accepted;
    std::function<void(std::int32_t lngSocket)> ReadyToSend;
    std::function<void(std::int32_t lngSocket, const std::string& strData)> ReceivedString;
    std::function<void(std::int32_t lngSocket, std::span<const std::uint8_t> bytData,
                       std::int32_t lngLength)>
        ReceivedBytes;
    std::function<void(std::int32_t lngSocket)> Closed;

private:
    struct RecvBuffer {
        std::int32_t socket;
        std::string text;
    };

    std::string ReceiveText(std::int32_t lngSocket, platform::NativeSocket descriptor);
    void handleNotification(std::int32_t lngSocket, int code);
    void ReceiveDatagrams(std::int32_t lngSocket, platform::NativeSocket descriptor);
    void acceptOn(platform::NativeSocket listening);
    bool protocolSupported();
    // A new socket for the current protocol and its handle, or 0 when it failed.
    std::int32_t createSocket(std::string_view procedure);
    std::int32_t adopt(platform::NativeSocket descriptor);
    bool registerSocket(std::int32_t lngSocket, platform::SocketRole role, int mask);
    std::optional<platform::NativeSocket> descriptorOf(std::int32_t lngSocket) const;
    void release(std::int32_t lngSocket);
    void report(std::string_view text, std::int32_t code);
    void reportFailure(std::string_view procedure, std::int32_t code);

    platform::EventLoop& m_loop;
    bits::MessageLine& m_messageLine;
    std::int32_t m_protocol;
    bool m_started = false;
    std::map<std::int32_t, platform::NativeSocket> m_sockets;
    std::vector<RecvBuffer> m_udtRecvBuffers;
    std::optional<platform::SocketAddress> m_udtSendAddr;
    std::optional<platform::SocketAddress> m_lastSender;
    std::size_t m_lastLength = 0;
    std::int32_t m_nextHandle = 1;
    std::int32_t m_lastError = 0;
};

}  // namespace rennlupe::net
