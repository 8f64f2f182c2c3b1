#include "insim10/IsPll.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsPll> IsPll::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    return IsPll{in.u8(2), in.u8(3)};
}

std::array<std::uint8_t, IsPll::kSize> IsPll::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter(packet).header(kType, ReqI, PLID);
    return packet;
}

}  // namespace rennlupe::insim10
