#include "insim10/IsIsi.h"

#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::array<std::uint8_t, IsIsi::kSize> IsIsi::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, 0);
    out.u16(4, UDPPort);
    out.u16(6, Flags);
    out.u8(8, InSimVer);
    out.u8(9, Prefix);
    out.u16(10, Interval);
    out.text(12, 16, Admin);
    out.text(28, 16, IName);
    return packet;
}

}  // namespace rennlupe::insim10
