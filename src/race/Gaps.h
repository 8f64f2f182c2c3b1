#pragma once

#include "race/Gap.h"

namespace rennlupe::race {

// The viewed car's gap to the car one position ahead, and the car behind's gap to it.
struct Gaps {
    Gap ahead;
    Gap behind;

    bool operator==(const Gaps&) const = default;
};

}  // namespace rennlupe::race
