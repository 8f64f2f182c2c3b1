#include "insim/MciCar.h"

#include "bits/checked16.h"
#include "bits/modBitOperationen.h"

namespace rennlupe::insim {

MciCar MciCar::read(const PacketBytes& bytes, std::size_t offset) {
    std::uint8_t high = bytes.at(offset + kNodeHighOffset);
    for (const std::uint8_t flag : kNodeFlagBits) {
        high = bits::ClearBit8(high, flag);
    }
    MciCar car;
    // Five bits of high byte: at most 31 * 256 + 255, so this cannot overflow.
    car.Node = bits::checked16::fromBytes(bytes.at(offset + kNodeLowOffset), high);
    car.Lap = bytes.at(offset + kLapOffset);
    car.PlayerId = bytes.at(offset + kPlayerIdOffset);
    return car;
}

void MciCar::write(std::span<std::uint8_t> car, std::uint8_t nodeFlags) const {
    const auto node = static_cast<std::uint16_t>(Node);
    car[kNodeLowOffset] = static_cast<std::uint8_t>(node & 0xFFU);
    car[kNodeHighOffset] = static_cast<std::uint8_t>((node >> 8U) | nodeFlags);
    car[kLapOffset] = Lap;
    car[kPlayerIdOffset] = PlayerId;
}

}  // namespace rennlupe::insim
