#include "insim/SightingTrail.h"

namespace rennlupe::insim {

void SightingTrail::see(std::int16_t key, double at) noexcept {
    if (m_count > 0 && m_ring[m_newest].key == key) {
        return;
    }
    m_newest = (m_newest + 1) % kLength;
    m_ring[m_newest] = {key, at};
    if (m_count < kLength) {
        ++m_count;
    }
}

bool SightingTrail::sameAs(const SightingTrail& other) const noexcept {
    if (m_count != other.m_count) {
        return false;
    }
    for (std::size_t age = 0; age < m_count; ++age) {
        const Sighting& mine = (*this)[age];
        const Sighting& theirs = other[age];
        if (mine.key != theirs.key || mine.at != theirs.at) {
            return false;
        }
    }
    return true;
}

}  // namespace rennlupe::insim
