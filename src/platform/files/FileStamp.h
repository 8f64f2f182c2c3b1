#pragma once

#include <cstdint>

namespace rennlupe::platform {

// What tells one version of a file from the next without reading it.
struct FileStamp {
    std::int64_t modifiedNanoseconds = 0;  // since the epoch
    std::int64_t size = 0;

    bool operator==(const FileStamp&) const = default;
};

}  // namespace rennlupe::platform
