#include "desktop.h"

#include "console/runHeadless.h"

int runDesktopFrontEnd(const rennlupe::console::HeadlessOptions& options, std::ostream& out,
                       std::ostream& err) {
    err << "rennlupe: this build has no desktop front end; running headless\n";
    return rennlupe::console::runHeadless(options, out, err);
}
