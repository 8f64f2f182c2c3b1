#include "insim10/IsMci.h"

#include "insim10/ByteReader.h"
#include "insim10/ByteWriter.h"

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

std::vector<std::uint8_t> IsMci::bytes() const {
    std::vector<std::uint8_t> packet(4 + std::size_t{NumC} * CompCar::kSize);
    ByteWriter out(packet);
    out.header(kType, ReqI, NumC);
    for (std::size_t i = 0; i < NumC; ++i) {
        Info[i].write(out, 4 + i * CompCar::kSize);
    }
    return packet;
}

}  // namespace rennlupe::insim10
