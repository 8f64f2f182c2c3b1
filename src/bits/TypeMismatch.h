#pragma once

#include "bits/Error.h"

namespace rennlupe::bits {

class TypeMismatch : public Error {
public:
    static constexpr int kNumber = 13;

    TypeMismatch() : Error(kNumber, "Type mismatch") {}
};

}  // namespace rennlupe::bits
