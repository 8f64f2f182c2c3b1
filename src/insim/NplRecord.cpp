#include "insim/NplRecord.h"

#include "insim/PacketBytes.h"

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

}  // namespace rennlupe::insim
