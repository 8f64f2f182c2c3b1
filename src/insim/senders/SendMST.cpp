#include "insim/senders/SendMST.h"

#include "insim/MstRecord.h"
#include "insim/senders/OutgoingPacket.h"
#include "insim/Windows1252.h"

namespace rennlupe::insim {

void SendMST(net::okSocket& InSimSocket, std::int32_t lngSocket, std::string_view text) {
    OutgoingPacket<MstRecord::kSize> packet("MST");
    packet.put(MstRecord::kMessageOffset, MstRecord::kMessageTextMax, utf8ToWindows1252(text));
    packet.sendOn(InSimSocket, lngSocket);
}

}  // namespace rennlupe::insim
