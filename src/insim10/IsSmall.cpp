#include "insim10/IsSmall.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

namespace rennlupe::insim10 {

std::optional<IsSmall> IsSmall::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    return IsSmall{in.u8(2), in.u8(3), in.u32(4)};
}

std::array<std::uint8_t, IsSmall::kSize> IsSmall::bytes() const {
    std::array<std::uint8_t, kSize> packet{};
    ByteWriter out(packet);
    out.header(kType, ReqI, SubT);
    out.u32(4, UVal);
    return packet;
}

}  // namespace rennlupe::insim10
