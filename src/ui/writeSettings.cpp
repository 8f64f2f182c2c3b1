#include "ui/writeSettings.h"

#include "bits/Error.h"
#include "bits/guardHandler.h"

#include <optional>

namespace rennlupe::ui {

bool writeSettings(settings::modEinstellungenSpeichern& settings, std::string_view section,
                   std::span<const std::pair<std::string, std::string>> entries,
                   const std::string& file, bits::MessageLine& messageLine, std::ostream& errors) {
    std::optional<std::string> failure;
    for (const auto& [key, value] : entries) {
        try {
            settings.WriteSetting(section, key, value, file);
        } catch (const bits::Error& error) {
            failure = failure.value_or(bits::failureText("frmMain_Unload", error));
        }
    }
    if (failure) {
        messageLine.show(*failure);
        errors << *failure << '\n' << std::flush;
    }
    return !failure;
}

}  // namespace rennlupe::ui
