#pragma once

#include "ui/choiceNamed.h"

#include <array>
#include <optional>
#include <string_view>

namespace rennlupe::ui {

// Which generation of the game's protocol a connection speaks: auto tries today's first.
enum class Protocol { Auto, Legacy, Modern };

inline constexpr std::array<std::string_view, 3> kProtocolNames = {"auto", "legacy", "modern"};

inline std::string_view nameOf(Protocol protocol) {
    return kProtocolNames[static_cast<std::size_t>(protocol)];
}

inline std::optional<Protocol> protocolNamed(std::string_view name) {
    return choiceNamed<Protocol>(kProtocolNames, name);
}

}  // namespace rennlupe::ui
