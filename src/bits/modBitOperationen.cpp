#include "bits/modBitOperationen.h"

#include <cstddef>

namespace rennlupe::bits {

namespace {

constexpr std::uint32_t kSignBit32 = 0x80000000U;

std::uint32_t asBits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}
std::int32_t fromBits(std::uint32_t bits) {
    return static_cast<std::int32_t>(bits);
}

// 2^(bit-1) for a bit below the top of its width, so it never overflows.
std::uint32_t maskBelowTop(std::uint8_t bit) {
    return std::uint32_t{1} << (bit - 1U);
}

}  // namespace

std::int32_t SetBit32(std::int32_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 32) {
        return value;
    }
    if (bit == 32) {
        return fromBits(asBits(value) | kSignBit32);
    }
    return fromBits(asBits(value) | maskBelowTop(bit));
}

std::int32_t ClearBit32(std::int32_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 32) {
        return value;
    }
    if (bit == 32) {
        return fromBits(asBits(value) & ~kSignBit32);
    }
    return fromBits(asBits(value) & ~maskBelowTop(bit));
}

bool TestBit32(std::int32_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 32) {
        return false;
    }
    if (bit == 32) {
        return (asBits(value) & kSignBit32) != 0;
    }
    return (asBits(value) & maskBelowTop(bit)) != 0;
}

std::int16_t ClearBit16(std::int16_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 16) {
        return value;
    }
    if (bit == 16) {
        // Adding 32768 to a negative value clears the sign bit without leaving the width.
        return value < 0 ? static_cast<std::int16_t>(value + 32768) : value;
    }
    return static_cast<std::int16_t>(value & ~static_cast<std::int32_t>(maskBelowTop(bit)));
}

std::uint8_t ClearBit8(std::uint8_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 8) {
        return value;
    }
    return static_cast<std::uint8_t>(value & ~maskBelowTop(bit));
}

Value DecimalBitOp(const Value& value, std::uint8_t bit, int operation) {
    if (bit < 1 || bit > 96) {
        return value;
    }
    Decimal decimal(DecimalToBytes(value));
    const std::size_t word = (bit - 1U) / 32U;
    const auto bitInWord = static_cast<std::uint8_t>(bit - 32U * word);
    const auto bits = fromBits(decimal.word(word));
    if (operation >= kDecimalTest) {
        return Value::ofBoolean(TestBit32(bits, bitInWord));
    }
    const std::int32_t changed =
        operation == kDecimalSet ? SetBit32(bits, bitInWord) : ClearBit32(bits, bitInWord);
    decimal.setWord(word, asBits(changed));
    return BytesToDecimal(decimal.bytes());
}

Decimal::Bytes DecimalToBytes(const Value& value) {
    const Decimal* decimal = value.get<Decimal>();
    return decimal != nullptr ? decimal->bytes() : Decimal::Bytes{};
}

Value BytesToDecimal(const Decimal::Bytes& bytes) {
    return Value::ofDecimal(Decimal(bytes));
}

Value ClearBit(const Value& value, std::uint8_t bit) {
    switch (value.type()) {
    case ValueType::UInt8:
        return Value::ofUInt8(ClearBit8(*value.get<std::uint8_t>(), bit));
    case ValueType::Int16:
        return Value::ofInt16(ClearBit16(*value.get<std::int16_t>(), bit));
    case ValueType::Int32:
        return Value::ofInt32(ClearBit32(*value.get<std::int32_t>(), bit));
    case ValueType::Decimal:
        return DecimalBitOp(value, bit, kDecimalClear);
    default:
        return value;
    }
}

}  // namespace rennlupe::bits
