#include "insim10/IsVer.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsVer> IsVer::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    IsVer out;
    out.ReqI = in.u8(2);
    out.Version = in.bytes<8>(4);
    out.Product = in.bytes<6>(12);
    out.InSimVer = in.u8(18);
    return out;
}

std::array<std::uint8_t, IsVer::kSize> IsVer::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, 0);
    out.bytes(4, Version);
    out.bytes(12, Product);
    out.u8(18, InSimVer);
    return packet;
}

}  // namespace rennlupe::insim10
