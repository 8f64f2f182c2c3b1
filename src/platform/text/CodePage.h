#pragma once

#include <cstdint>

namespace rennlupe::platform {

// The code pages the game writes text in, numbered as its LID_ values (the
// letters of its ^L ^E ^T ^B ^J ^C ^G ^H ^S ^K switches, in that order).
enum class CodePage : std::uint8_t {
    Latin,               // cp1252
    CentralEuropean,     // cp1250
    Turkish,             // cp1254
    Baltic,              // cp1257
    Japanese,            // cp932, two bytes a character
    Cyrillic,            // cp1251
    Greek,               // cp1253
    TraditionalChinese,  // cp950, two bytes a character
    SimplifiedChinese,   // cp936, two bytes a character
    Korean,              // cp949, two bytes a character
};

}  // namespace rennlupe::platform
