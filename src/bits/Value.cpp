#include "bits/Value.h"

#include "bits/checked16.h"
#include "bits/Overflow.h"
#include "bits/textToNumber.h"
#include "bits/TypeMismatch.h"

#include <cmath>

#include <string_view>

namespace rennlupe::bits {

namespace {

struct NumberOf {
    double operator()(std::monostate) const { return 0.0; }
    double operator()(std::uint8_t v) const { return v; }
    double operator()(std::int16_t v) const { return v; }
    double operator()(std::int32_t v) const { return v; }
    double operator()(float v) const { return static_cast<double>(v); }
    double operator()(double v) const { return v; }
    double operator()(const Decimal& v) const { return v.toDouble(); }
    double operator()(bool v) const { return v ? -1.0 : 0.0; }
    double operator()(const std::string&) const { throw TypeMismatch(); }
};

std::string_view textOf(const Value& v) {
    const std::string* text = v.get<std::string>();
    return text != nullptr ? std::string_view(*text) : std::string_view();
}

}  // namespace

double Value::toDouble() const {
    return std::visit(NumberOf{}, m_value);
}

std::int16_t Value::toInt16() const {
    if (const auto* i16 = get<std::int16_t>()) {
        return *i16;
    }
    const std::string* text = get<std::string>();
    const double number = text != nullptr ? textToNumber(*text) : toDouble();
    if (!(number >= -32768.5 && number < 32767.5)) {
        throw Overflow();
    }
    return checked16::narrow(static_cast<std::int64_t>(std::nearbyint(number)));
}

std::partial_ordering operator<=>(const Value& a, const Value& b) {
    // The race tables hold 16-bit integers and empty cells: keep that exact and cheap.
    const auto* a16 = a.get<std::int16_t>();
    const auto* b16 = b.get<std::int16_t>();
    if (a16 != nullptr && b16 != nullptr) {
        return *a16 <=> *b16;
    }
    if ((a16 != nullptr || a.isEmpty()) && (b16 != nullptr || b.isEmpty())) {
        return (a16 != nullptr ? *a16 : 0) <=> (b16 != nullptr ? *b16 : 0);
    }
    if (a.isText() || b.isText()) {
        // Empty against text compares as the empty text; a number sorts before any text.
        if ((a.isText() || a.isEmpty()) && (b.isText() || b.isEmpty())) {
            return textOf(a).compare(textOf(b)) <=> 0;
        }
        return a.isText() ? std::partial_ordering::greater : std::partial_ordering::less;
    }
    return a.toDouble() <=> b.toDouble();
}

}  // namespace rennlupe::bits
