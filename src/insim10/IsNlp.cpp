#include "insim10/IsNlp.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

std::optional<IsNlp> IsNlp::read(std::span<const std::uint8_t> packet) {
    const ByteReader in(packet);
    const std::uint8_t numP = in.u8(3);
    const std::size_t padded = (4 + std::size_t{numP} * NodeLap::kSize + 3) / 4 * 4;
    if (numP > kMaxCars || packet.size() != padded) {
        return std::nullopt;
    }
    IsNlp out;
    out.ReqI = in.u8(2);
    out.NumP = numP;
    for (std::size_t i = 0; i < numP; ++i) {
        out.Info[i] = NodeLap::read(in, 4 + i * NodeLap::kSize);
    }
    return out;
}

}  // namespace rennlupe::insim10
