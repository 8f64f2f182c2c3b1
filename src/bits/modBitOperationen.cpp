#include "bits/modBitOperationen.h"

#include <cstddef>

namespace rennlupe::bits {

namespace {

std::uint32_t asBits(std::int32_t value) {
    return static_cast<std::uint32_t>(value);
}
std::int32_t fromBits(std::uint32_t bits) {
    return static_cast<std::int32_t>(bits);
}

// Unsigned, so the top bit of every width needs no case of its own.
std::uint32_t maskOf(std::uint8_t bit) {
    return std::uint32_t{1} << (bit - 1U);
}

}  // namespace

std::int32_t SetBit32(std::int32_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 32) {
        return value;
    }
    return fromBits(asBits(value) | maskOf(bit));
}

std::int32_t ClearBit32(std::int32_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 32) {
        return value;
    }
    return fromBits(asBits(value) & ~maskOf(bit));
}

bool TestBit32(std::int32_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 32) {
        return false;
    }
    return (asBits(value) & maskOf(bit)) != 0;
}

std::int16_t ClearBit16(std::int16_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 16) {
        return value;
    }
    const auto bits = static_cast<std::uint16_t>(value);
    return static_cast<std::int16_t>(bits & ~maskOf(bit));
}

std::uint8_t ClearBit8(std::uint8_t value, std::uint8_t bit) {
    if (bit < 1 || bit > 8) {
        return value;
    }
    return static_cast<std::uint8_t>(value & ~maskOf(bit));
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
