#include "insim10/IsVer.h"

#include "insim10/ByteReader.h"

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

}  // namespace rennlupe::insim10
