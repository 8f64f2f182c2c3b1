#include "console/HeadlessOptions.h"
#include "console/runHeadless.h"
#include "desktop.h"
#include "platform/process/console.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using rennlupe::console::HeadlessOptions;
    rennlupe::platform::useUtf8Console();
    const std::vector<std::string> arguments = rennlupe::platform::programArguments(argc, argv);
    const std::vector<std::string_view> args(arguments.begin(), arguments.end());
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
