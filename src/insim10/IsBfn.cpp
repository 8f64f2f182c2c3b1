#include "insim10/IsBfn.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsBfn> IsBfn::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    return IsBfn{in.u8(2), in.u8(3), in.u8(4), in.u8(5), in.u8(6), in.u8(7)};
}

std::array<std::uint8_t, IsBfn::kSize> IsBfn::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, SubT);
    out.u8(4, UCID);
    out.u8(5, ClickID);
    out.u8(6, ClickMax);
    out.u8(7, Inst);
    return packet;
}

}  // namespace rennlupe::insim10
