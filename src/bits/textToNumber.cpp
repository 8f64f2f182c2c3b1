#include "bits/textToNumber.h"

#include "bits/TypeMismatch.h"

#include <algorithm>
#include <charconv>

namespace rennlupe::bits {

std::optional<double> readNumber(std::string_view text, const NumberForm& form) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    while (form.blanks && !text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (form.blanks && !text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    const bool negative = form.minus && text.starts_with('-');
    if (negative || (form.plus && text.starts_with('+'))) {
        text.remove_prefix(1);
    }
    // from_chars would also take a second sign, "inf" and "nan".
    const bool wellFormed =
        !text.empty() && (form.fraction ? digit(text.front()) || text.front() == '.'
                                        : std::all_of(text.begin(), text.end(), digit));
    if (!wellFormed) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    value = negative ? -value : value;
    if (error != std::errc() || end != text.data() + text.size() ||
        !(value >= form.low && value <= form.high)) {
        return std::nullopt;
    }
    return value;
}

double textToNumber(std::string_view text) {
    const std::optional<double> number =
        readNumber(text, {.blanks = true, .plus = true, .minus = true, .fraction = true});
    if (!number) {
        throw TypeMismatch();
    }
    return *number;
}

}  // namespace rennlupe::bits
