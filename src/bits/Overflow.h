#pragma once

#include "bits/Error.h"

namespace rennlupe::bits {

class Overflow : public Error {
public:
    static constexpr int kNumber = 6;

    Overflow() : Error(kNumber, "Overflow") {}
};

}  // namespace rennlupe::bits
