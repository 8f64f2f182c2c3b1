#pragma once

#include <optional>

namespace rennlupe::race {

// A gap in seconds, or unknown where the moment it needs is not held: never a guess.
struct Gap {
    std::optional<double> seconds;

    bool operator==(const Gap&) const = default;
};

}  // namespace rennlupe::race
