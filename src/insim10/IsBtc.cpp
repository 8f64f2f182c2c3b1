#include "insim10/IsBtc.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsBtc> IsBtc::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    return IsBtc{in.u8(2), in.u8(3), in.u8(4), in.u8(5), in.u8(6)};
}

std::array<std::uint8_t, IsBtc::kSize> IsBtc::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, UCID);
    out.u8(4, ClickID);
    out.u8(5, Inst);
    out.u8(6, CFlags);
    return packet;
}

}  // namespace rennlupe::insim10
