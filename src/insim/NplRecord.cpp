#include "insim/NplRecord.h"

#include "insim/PacketBytes.h"
#include "insim/RecordWriter.h"

namespace rennlupe::insim {

NplRecord NplRecord::read(std::span<const std::uint8_t> datagram) {
    const PacketBytes bytes(datagram);
    NplRecord record;
    record.PlayerName = bytes.field<kPlayerNameSize>(kPlayerNameOffset);
    record.SecondName = bytes.field<kSecondNameSize>(kSecondNameOffset);
    record.UniqueId = bytes.at(kUniqueIdOffset);
    record.PlayerNumber = bytes.at(kPlayerNumberOffset);
    return record;
}

std::array<std::uint8_t, NplRecord::kSize> NplRecord::write() const {
    RecordWriter<kSize> out("NPL");
    out.put(kPlayerNameOffset, kPlayerNameSize, PlayerName);
    out.put(kSecondNameOffset, kSecondNameSize, SecondName);
    out.set(kUniqueIdOffset, UniqueId);
    out.set(kPlayerNumberOffset, PlayerNumber);
    return out.result();
}

}  // namespace rennlupe::insim
