#include "insim10/IsMci.h"

#include "insim10/ByteReader.h"

namespace rennlupe::insim10 {

std::optional<IsMci> IsMci::read(std::span<const std::uint8_t> packet) {
    const ByteReader in(packet);
    const std::uint8_t numC = in.u8(3);
    if (numC > kMaxCars || packet.size() != 4 + std::size_t{numC} * CompCar::kSize) {
        return std::nullopt;
    }
    IsMci out;
    out.ReqI = in.u8(2);
    out.NumC = numC;
    for (std::size_t i = 0; i < numC; ++i) {
        out.Info[i] = CompCar::read(in, 4 + i * CompCar::kSize);
    }
    return out;
}

}  // namespace rennlupe::insim10
