#include "insim-sim/freeUdpPort.h"

#include "platform/sockets/socket.h"

namespace rennlupe::tools {

std::optional<std::uint16_t> freeUdpPort(std::string_view address) {
    const auto host = platform::parseIPv4(address);
    if (!host) {
        return std::nullopt;
    }
    const platform::NativeSocket probe = platform::openSocket(platform::kSocketDatagram, 0);
    if (probe == platform::kInvalidSocket) {
        return std::nullopt;
    }
    platform::SocketAddress local{*host, 0};
    std::optional<std::uint16_t> port;
    if (platform::bindSocket(probe, local) == 0 && platform::localAddress(probe, local) == 0) {
        port = local.port;
    }
    platform::closeSocket(probe);
    return port;
}

}  // namespace rennlupe::tools
