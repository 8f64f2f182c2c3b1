#pragma once

#include "bits/Decimal.h"
#include "bits/ValueType.h"

#include <compare>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace rennlupe::bits {

// A value that carries its own type tag. Empty counts as 0 (and as the empty
// text against text); true counts as -1. Race tables are made of these cells.
class Value {
public:
    Value() = default;

    static Value ofUInt8(std::uint8_t v) { return Value(v); }
    static Value ofInt16(std::int16_t v) { return Value(v); }
    static Value ofInt32(std::int32_t v) { return Value(v); }
    static Value ofSingle(float v) { return Value(v); }
    static Value ofDouble(double v) { return Value(v); }
    static Value ofDecimal(const Decimal& v) { return Value(v); }
    static Value ofBoolean(bool v) { return Value(v); }
    static Value ofText(std::string v) { return Value(std::move(v)); }

    ValueType type() const noexcept { return static_cast<ValueType>(m_value.index()); }
    bool isEmpty() const noexcept { return type() == ValueType::Empty; }
    bool isText() const noexcept { return type() == ValueType::Text; }

    // The stored alternative, or nullptr when the value holds another type.
    template <typename T>
    const T* get() const noexcept {
        return std::get_if<T>(&m_value);
    }

    // The numeric reading: empty 0, true -1, false 0. Text throws TypeMismatch.
    double toDouble() const;
    // As a signed 16-bit integer, halves to the even neighbour; text is read as a
    // number first. Outside -32768..32767 throws Overflow.
    std::int16_t toInt16() const;

    friend std::partial_ordering operator<=>(const Value& a, const Value& b);
    friend bool operator==(const Value& a, const Value& b) {
        return (a <=> b) == std::partial_ordering::equivalent;
    }

private:
    using Storage = std::variant<std::monostate, std::uint8_t, std::int16_t, std::int32_t, float,
                                 double, Decimal, bool, std::string>;

    template <typename T>
    explicit Value(T v) : m_value(std::in_place_type<T>, std::move(v)) {}

    Storage m_value;
};

}  // namespace rennlupe::bits
