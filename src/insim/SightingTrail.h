#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace rennlupe::insim {

// The node keys a car was last seen arriving on, newest first, each with the
// moment it was first seen there: its pace, which tells two cars apart that
// reached one node between the same two position sets.
class SightingTrail {
public:
    static constexpr std::size_t kLength = 16;

    struct Sighting {
        std::int16_t key = 0;
        double at = 0.0;
    };

    // A new entry only when the key differs from the newest one.
    void see(std::int16_t key, double at) noexcept;
    std::size_t size() const noexcept { return m_count; }
    // 0 is the newest.
    const Sighting& operator[](std::size_t age) const noexcept {
        return m_ring[(m_newest + kLength - age) % kLength];
    }

    // The same sightings in the same order: two cars that no pace tells apart.
    bool sameAs(const SightingTrail& other) const noexcept;

private:
    std::array<Sighting, kLength> m_ring{};
    std::size_t m_newest = 0;
    std::size_t m_count = 0;
};

}  // namespace rennlupe::insim
