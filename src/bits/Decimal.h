#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace rennlupe::bits {

// A 96-bit integer with scale and sign, kept as its 16-byte record:
//   0-1 reserved type tag (opaque) | 2 scale | 3 sign (0x80 negative)
//   4-7 word 0 | 8-11 word 1 | 12-15 word 2   (words little-endian)
// Word 0 holds the lowest 32 bits of the integer, word 2 the highest.
class Decimal {
public:
    static constexpr std::size_t kSize = 16;
    static constexpr std::size_t kWordCount = 3;
    static constexpr std::uint8_t kNegative = 0x80;
    using Bytes = std::array<std::uint8_t, kSize>;

    constexpr Decimal() = default;
    explicit constexpr Decimal(const Bytes& bytes) : m_bytes(bytes) {}

    static Decimal fromParts(std::uint32_t low, std::uint32_t middle, std::uint32_t high,
                             std::uint8_t scale = 0, bool negative = false);

    const Bytes& bytes() const noexcept { return m_bytes; }
    std::uint8_t scale() const noexcept { return m_bytes[2]; }
    std::uint8_t sign() const noexcept { return m_bytes[3]; }
    bool isNegative() const noexcept { return (sign() & kNegative) != 0; }

    // Word 0 at bytes 4-7, word 1 at 8-11, word 2 at 12-15.
    std::uint32_t word(std::size_t index) const;
    void setWord(std::size_t index, std::uint32_t value);

    // Nearest double; every record converts, whatever its scale byte says.
    double toDouble() const;

    friend bool operator==(const Decimal&, const Decimal&) = default;

private:
    Bytes m_bytes{};
};

}  // namespace rennlupe::bits
