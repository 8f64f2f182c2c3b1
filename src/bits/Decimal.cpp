#include "bits/Decimal.h"

#include "bits/IndexOutOfRange.h"

#include <cmath>

namespace rennlupe::bits {

namespace {

constexpr std::size_t kFirstWordOffset = 4;

}  // namespace

Decimal Decimal::fromParts(std::uint32_t low, std::uint32_t middle, std::uint32_t high,
                           std::uint8_t scale, bool negative) {
    Decimal value;
    value.m_bytes[2] = scale;
    value.m_bytes[3] = negative ? kNegative : std::uint8_t{0};
    value.setWord(0, low);
    value.setWord(1, middle);
    value.setWord(2, high);
    return value;
}

std::uint32_t Decimal::word(std::size_t index) const {
    if (index >= kWordCount) {
        throw IndexOutOfRange();
    }
    const std::size_t at = kFirstWordOffset + 4 * index;
    return std::uint32_t{m_bytes[at]} | std::uint32_t{m_bytes[at + 1]} << 8U |
           std::uint32_t{m_bytes[at + 2]} << 16U | std::uint32_t{m_bytes[at + 3]} << 24U;
}

void Decimal::setWord(std::size_t index, std::uint32_t value) {
    if (index >= kWordCount) {
        throw IndexOutOfRange();
    }
    const std::size_t at = kFirstWordOffset + 4 * index;
    for (std::size_t i = 0; i < 4; ++i) {
        m_bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

double Decimal::toDouble() const {
    const long double magnitude = std::ldexp(static_cast<long double>(word(2)), 64) +
                                  std::ldexp(static_cast<long double>(word(1)), 32) +
                                  static_cast<long double>(word(0));
    const long double scaled = magnitude / std::pow(10.0L, static_cast<long double>(scale()));
    return static_cast<double>(isNegative() ? -scaled : scaled);
}

}  // namespace rennlupe::bits
