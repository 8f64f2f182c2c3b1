#include "insim/MciRecord.h"

#include "bits/checked16.h"
#include "insim/PacketBytes.h"
#include "insim/RecordWriter.h"

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

std::array<std::uint8_t, MciRecord::kSize> MciRecord::write(
    const std::array<std::uint8_t, kCarCount>& nodeFlags) const {
    RecordWriter<kSize> out("MCI");
    out.put(kNumNodesOffset, 2, NumNodesBytes);
    out.put(kFinishNodeOffset, 2, FinishNodeBytes);
    out.set(kNumPlayersOffset, NumPlayers);
    out.set(kFirstCarOffset, FirstCar);
    for (std::size_t k = 0; k < kCarCount; ++k) {
        Cars[k].write(out.bytes().subspan(kCarsOffset + MciCar::kSize * k, MciCar::kSize),
                      nodeFlags[k]);
    }
    return out.result();
}

}  // namespace rennlupe::insim
