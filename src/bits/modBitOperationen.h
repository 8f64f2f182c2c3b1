#pragma once

#include "bits/Decimal.h"
#include "bits/Value.h"

#include <cstdint>

// Single-bit operations on every integer width the program keeps. Bits are
// numbered from 1 (the least significant); a bit number outside the width
// leaves the value unchanged (set, clear) or tests false. Nothing here fails.
namespace rennlupe::bits {

std::int32_t SetBit32(std::int32_t value, std::uint8_t bit);
std::int32_t ClearBit32(std::int32_t value, std::uint8_t bit);
bool TestBit32(std::int32_t value, std::uint8_t bit);
std::int16_t ClearBit16(std::int16_t value, std::uint8_t bit);
std::uint8_t ClearBit8(std::uint8_t value, std::uint8_t bit);

// Operation codes of DecimalBitOp: 1 sets, 2 (and 0) clears, 3 and above test.
inline constexpr int kDecimalSet = 1;
inline constexpr int kDecimalClear = 2;
inline constexpr int kDecimalTest = 3;

// Bits 1-32 address the word at bytes 4-7, 33-64 bytes 8-11, 65-96 bytes 12-15.
// Set and clear give a decimal Value; a test gives a boolean Value.
Value DecimalBitOp(const Value& value, std::uint8_t bit, int operation);

// A decimal's 16 bytes whole; any other type gives 16 zero bytes.
Decimal::Bytes DecimalToBytes(const Value& value);
Value BytesToDecimal(const Decimal::Bytes& bytes);

// Clears the bit by the value's own width; other types pass through unchanged.
Value ClearBit(const Value& value, std::uint8_t bit);

}  // namespace rennlupe::bits
