#include "race/Car.h"

#include <algorithm>

namespace rennlupe::race {

void Car::setName(std::string_view name) {
    std::size_t size = std::min(name.size(), kNameBytes);
    const auto continues = [&](std::size_t at) {
        return at < name.size() && (static_cast<unsigned char>(name[at]) & 0xC0U) == 0x80U;
    };
    while (size > 0 && continues(size)) {
        --size;
    }
    std::copy_n(name.begin(), size, m_name.begin());
    m_nameSize = size;
}

}  // namespace rennlupe::race
