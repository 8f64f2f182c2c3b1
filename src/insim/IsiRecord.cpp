#include "insim/IsiRecord.h"

#include "insim/PacketBytes.h"

namespace rennlupe::insim {

IsiRecord IsiRecord::read(std::span<const std::uint8_t> datagram) {
    const PacketBytes bytes(datagram);
    IsiRecord record;
    record.Port =
        static_cast<std::uint16_t>(bytes.at(kPortOffset) | (bytes.at(kPortOffset + 1) << 8U));
    record.Flags = bytes.at(kFlagsOffset);
    record.Admin = bytes.field<kAdminSize>(kAdminOffset);
    return record;
}

}  // namespace rennlupe::insim
