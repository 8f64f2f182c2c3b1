#include "desktop.h"

#include "console/runHeadless.h"
#include "desktop/runDesktop.h"
#include "desktop/whyNoDisplay.h"

int runDesktopFrontEnd(const rennlupe::console::HeadlessOptions& options, std::ostream& out,
                       std::ostream& err) {
    if (const auto problem = rennlupe::desktop::whyNoDisplay()) {
        err << "rennlupe: " << *problem << "; running headless\n";
        return rennlupe::console::runHeadless(options, out, err);
    }
    return rennlupe::desktop::runDesktop(options, err);
}
