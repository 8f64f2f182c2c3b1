#include "support/RecordingSender.h"

namespace rennlupe::support {

void RecordingSender::send(std::string_view id, std::uint8_t p1, std::uint8_t p2, std::uint8_t p3) {
    m_packets.push_back(Packet{std::string(id), p1, p2, p3});
}

}  // namespace rennlupe::support
