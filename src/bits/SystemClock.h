#pragma once

#include "bits/Clock.h"

namespace rennlupe::bits {

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() const override;
};

}  // namespace rennlupe::bits
