#include "insim/senders/SendISI.h"

#include "bits/Overflow.h"
#include "insim/IsiRecord.h"
#include "insim/senders/OutgoingPacket.h"
#include "insim/Windows1252.h"

namespace rennlupe::insim {

void SendISI(net::okSocket& InSimSocket, std::int32_t lngSocket, std::int32_t port,
             std::string_view password) {
    if (port < 0 || port > 65535) {
        throw bits::Overflow();
    }
    OutgoingPacket<IsiRecord::kSize> packet("ISI");
    packet.set(IsiRecord::kPortOffset, static_cast<std::uint8_t>(port % 256));
    packet.set(IsiRecord::kPortOffset + 1, static_cast<std::uint8_t>(port / 256));
    packet.set(IsiRecord::kFlagsOffset, IsiRecord::kFlags);
    packet.put(IsiRecord::kAdminOffset, IsiRecord::kAdminSize, utf8ToWindows1252(password));
    packet.sendOn(InSimSocket, lngSocket);
}

}  // namespace rennlupe::insim
