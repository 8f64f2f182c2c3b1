#include "insim/senders/SendShortPacket.h"

#include "insim/senders/OutgoingPacket.h"
#include "insim/ShortPacketRecord.h"

namespace rennlupe::insim {

void SendShortPacket(net::okSocket& InSimSocket, std::int32_t lngSocket, std::string_view id,
                     std::uint8_t p1, std::uint8_t p2, std::uint8_t p3) {
    OutgoingPacket<ShortPacketRecord::kSize> packet(id);
    packet.set(ShortPacketRecord::kParameter1Offset, p1);
    packet.set(ShortPacketRecord::kParameter2Offset, p2);
    packet.set(ShortPacketRecord::kParameter3Offset, p3);
    packet.sendOn(InSimSocket, lngSocket);
}

}  // namespace rennlupe::insim
