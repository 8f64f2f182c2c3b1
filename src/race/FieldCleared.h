#pragma once

namespace rennlupe::race {

// All players were cleared from the race, or multiplayer ended.
struct FieldCleared {};

}  // namespace rennlupe::race
