#include "insim/MciCar.h"

#include "bits/checked16.h"
#include "bits/modBitOperationen.h"

namespace rennlupe::insim {

MciCar MciCar::read(const PacketBytes& bytes, std::size_t offset) {
    bits::Value high = bits::Value::ofUInt8(bytes.at(offset + kNodeHighOffset));
    for (const std::uint8_t flag : kNodeFlagBits) {
        high = bits::ClearBit(high, flag);
    }
    // ClearBit keeps the type, so the byte is always there.
    const std::uint8_t* flagsCleared = high.get<std::uint8_t>();
    MciCar car;
    // Five bits of high byte: at most 31 * 256 + 255, so this cannot overflow.
    car.Node =
        bits::checked16::fromBytes(bytes.at(offset + kNodeLowOffset),
                                   flagsCleared != nullptr ? *flagsCleared : std::uint8_t{0});
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
