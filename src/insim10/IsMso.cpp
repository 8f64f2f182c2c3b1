#include "insim10/IsMso.h"

#include "insim10/ByteReader.h"

#include <algorithm>

namespace rennlupe::insim10 {

std::optional<IsMso> IsMso::read(std::span<const std::uint8_t> packet) {
    if (packet.size() < kMinSize || packet.size() > kMaxSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    const std::size_t msgLength = packet.size() - 8;
    if (in.u8(6) > kLastUserType || std::size_t{in.u8(7)} >= msgLength) {
        return std::nullopt;
    }
    IsMso out;
    out.ReqI = in.u8(2);
    out.MSOData = in.u8(3);
    out.UCID = in.u8(4);
    out.PLID = in.u8(5);
    out.UserType = in.u8(6);
    out.TextStart = in.u8(7);
    out.MsgLength = static_cast<std::uint8_t>(msgLength);
    std::copy(packet.begin() + 8, packet.end(), out.Msg.begin());
    return out;
}

}  // namespace rennlupe::insim10
