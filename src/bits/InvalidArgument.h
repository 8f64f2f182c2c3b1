#pragma once

#include "bits/Error.h"

namespace rennlupe::bits {

class InvalidArgument : public Error {
public:
    static constexpr int kNumber = 5;

    InvalidArgument() : Error(kNumber, "Invalid procedure call or argument") {}
};

}  // namespace rennlupe::bits
