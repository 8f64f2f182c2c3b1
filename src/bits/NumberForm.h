#pragma once

#include <limits>

namespace rennlupe::bits {

// What the text of a number may hold besides decimal digits, and where its value must lie.
struct NumberForm {
    bool blanks = false;    // spaces and tabs before and after
    bool plus = false;      // a leading "+"
    bool minus = false;     // a leading "-"
    bool fraction = false;  // a decimal point and an exponent
    double low = std::numeric_limits<double>::lowest();
    double high = std::numeric_limits<double>::max();
};

}  // namespace rennlupe::bits
