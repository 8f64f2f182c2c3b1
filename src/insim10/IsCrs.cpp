#include "insim10/IsCrs.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

std::optional<IsCrs> IsCrs::read(std::span<const std::uint8_t> packet) {
    if (packet.size() != kSize) {
        return std::nullopt;
    }
    const ByteReader in(packet);
    return IsCrs{in.u8(2), in.u8(3)};
}

}  // namespace rennlupe::insim10
