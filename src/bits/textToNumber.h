#pragma once

#include <string_view>

namespace rennlupe::bits {

// A caption read as a number: optional blanks, sign, digits, fraction and
// exponent. Anything else, the empty text included, throws TypeMismatch.
double textToNumber(std::string_view text);

}  // namespace rennlupe::bits
