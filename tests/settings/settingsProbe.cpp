// Writes one setting as the user running it: settingsProbe FILE KEY VALUE [STEP].
// Exits with 0 when stored, with the error number when WriteSetting fails.
#include "bits/Error.h"
#include "settings/modEinstellungenSpeichern.h"
#include "support/FailingFiles.h"

#include <string>

int main(int argc, char** argv) {
    using rennlupe::support::FailingFiles;
    if (argc < 4) {
        return 2;
    }
    const std::string args[] = {argv[1], argv[2], argv[3], argc > 4 ? argv[4] : ""};
    FailingFiles files(args[3] == "overwrite" ? FailingFiles::Step::Overwrite
                                              : FailingFiles::Step::None);
    rennlupe::settings::modEinstellungenSpeichern settings(files);
    try {
        settings.WriteSetting("Positionen", args[1], args[2], args[0]);
    } catch (const rennlupe::bits::Error& error) {
        return error.number();
    }
    return 0;
}
