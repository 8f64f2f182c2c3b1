#pragma once

#include "bits/Error.h"

namespace rennlupe::bits {

class IndexOutOfRange : public Error {
public:
    static constexpr int kNumber = 9;

    IndexOutOfRange() : Error(kNumber, "Subscript out of range") {}
};

}  // namespace rennlupe::bits
