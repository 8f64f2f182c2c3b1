#include "insim/GaugeRecord.h"

#include "insim/PacketBytes.h"

namespace rennlupe::insim {

GaugeRecord GaugeRecord::read(std::span<const std::uint8_t> datagram) {
    GaugeRecord record;
    record.ShiftIndicator = PacketBytes(datagram).at(kShiftIndicatorOffset);
    return record;
}

}  // namespace rennlupe::insim
