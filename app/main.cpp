#include "console/HeadlessOptions.h"
#include "console/runHeadless.h"
#include "desktop.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using rennlupe::console::HeadlessOptions;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const HeadlessOptions options = HeadlessOptions::parse(args);
    if (!options.error.empty()) {
        std::cerr << "rennlupe: " << options.error << "\n" << HeadlessOptions::usage();
        return 2;
    }
    if (options.help) {
        std::cout << HeadlessOptions::usage();
        return 0;
    }
    if (options.headless) {
        return rennlupe::console::runHeadless(options, std::cout, std::cerr);
    }
    return runDesktopFrontEnd(options, std::cout, std::cerr);
}
