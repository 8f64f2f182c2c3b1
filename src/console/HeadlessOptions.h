#pragma once

#include "ui/StartOptions.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rennlupe::console {

// The command line of both front ends; error holds why it was refused.
struct HeadlessOptions : ui::StartOptions {
    bool headless = false;
    bool help = false;
    bool stamp = false;  // headless output lines begin with the monotonic clock's seconds
    std::string error;

    static HeadlessOptions parse(std::span<const std::string_view> args);
    static std::string_view usage();
};

}  // namespace rennlupe::console
