#include "console/runHeadless.h"

#include <algorithm>
#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const bool headless = std::find(args.begin(), args.end(), "--headless") != args.end();
    if (!headless) {
        std::cerr << "rennlupe: this build has no desktop front end; running headless\n";
    }
    return rennlupe::console::runHeadless(args, std::cout, std::cerr);
}
