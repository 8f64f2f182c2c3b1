#include "insim10/IsNpl.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

std::optional<IsNpl> IsNpl::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    IsNpl out;
    out.ReqI = in.u8(2);
    out.PLID = in.u8(3);
    out.UCID = in.u8(4);
    out.PType = in.u8(5);
    out.Flags = in.u16(6);
    out.PName = in.bytes<24>(8);
    out.Plate = in.bytes<8>(32);
    out.CName = in.bytes<4>(40);
    out.SName = in.bytes<16>(44);
    out.Tyres = in.bytes<4>(60);
    out.H_Mass = in.u8(64);
    out.H_TRes = in.u8(65);
    out.Model = in.u8(66);
    out.Pass = in.u8(67);
    out.RWAdj = in.u8(68);
    out.FWAdj = in.u8(69);
    out.RIFlags = in.u8(70);
    out.SetF = in.u8(72);
    out.NumP = in.u8(73);
    out.Config = in.u8(74);
    out.Fuel = in.u8(75);
    return out;
}

}  // namespace rennlupe::insim10
