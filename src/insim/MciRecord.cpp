#include "insim/MciRecord.h"

#include "bits/checked16.h"
#include "insim/PacketBytes.h"

namespace rennlupe::insim {

std::int16_t MciRecord::NumNodes() const {
    return bits::checked16::fromBytes(NumNodesBytes[0], NumNodesBytes[1]);
}

std::int16_t MciRecord::FinishNode() const {
    return bits::checked16::fromBytes(FinishNodeBytes[0], FinishNodeBytes[1]);
}

MciRecord MciRecord::read(std::span<const std::uint8_t> datagram) {
    const PacketBytes bytes(datagram);
    MciRecord record;
    record.NumNodesBytes = bytes.field<2>(kNumNodesOffset);
    record.FinishNodeBytes = bytes.field<2>(kFinishNodeOffset);
    record.NumPlayers = bytes.at(kNumPlayersOffset);
    record.FirstCar = bytes.at(kFirstCarOffset);
    for (std::size_t k = 0; k < kCarCount; ++k) {
        record.Cars[k] = MciCar::read(bytes, kCarsOffset + MciCar::kSize * k);
    }
    return record;
}

}  // namespace rennlupe::insim
