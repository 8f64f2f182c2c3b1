#pragma once

#include "bits/MessageLine.h"
#include "settings/modEinstellungenSpeichern.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace rennlupe::ui {

// Writes every key and value (file bytes) of the section, trying each; the first failure is
// reported once, on the line and on errors, as the close's own. True when all were written.
bool writeSettings(settings::modEinstellungenSpeichern& settings, std::string_view section,
                   std::span<const std::pair<std::string, std::string>> entries,
                   const std::string& file, bits::MessageLine& messageLine, std::ostream& errors);

}  // namespace rennlupe::ui
