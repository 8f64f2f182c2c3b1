#pragma once

#include "bits/NumberForm.h"

#include <optional>
#include <string_view>

namespace rennlupe::bits {

// The number the text spells in the form, or nothing: for the empty text, any
// other character, a value past double's range and one outside the form's.
std::optional<double> readNumber(std::string_view text, const NumberForm& form);

// A caption read as a number: optional blanks, sign, digits, fraction and
// exponent. Anything else, the empty text included, throws TypeMismatch.
double textToNumber(std::string_view text);

}  // namespace rennlupe::bits
