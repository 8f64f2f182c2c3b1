#pragma once

#include <cstdint>

namespace rennlupe::bits {

// The type tag of a Value; the order is that of the alternatives it holds.
enum class ValueType : std::uint8_t {
    Empty,
    UInt8,
    Int16,
    Int32,
    Single,
    Double,
    Decimal,
    Boolean,
    Text,
};

}  // namespace rennlupe::bits
