#pragma once

#include "race/CarSample.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rennlupe::race {

// One player of the field as the model holds it; plid 0 marks a free slot.
class Car {
public:
    // The game's 24 name bytes, each at most three bytes of UTF-8.
    static constexpr std::size_t kNameBytes = 72;

    std::uint8_t plid = 0;
    std::uint8_t connection = 0;
    bool ai = false;
    bool inPits = false;
    bool sampled = false;  // a sample was applied since it joined or the race started
    CarSample sample{};
    std::int64_t progress = 0;  // of the sample, as the race it was applied in counts
    double sampledAt = 0.0;

    std::string_view name() const { return {m_name.data(), m_nameSize}; }
    // Longer names are cut before the character that does not fit whole.
    void setName(std::string_view name);

private:
    std::array<char, kNameBytes> m_name{};
    std::size_t m_nameSize = 0;
};

}  // namespace rennlupe::race
