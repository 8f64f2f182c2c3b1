#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::tools {

// A stretch of a button's text in one colour: ^0 to ^8 give 0 to 8; the start and
// ^9 give kStyleColour, the colour of the button's style.
struct ColourRun {
    static constexpr int kStyleColour = -1;
    int colour = kStyleColour;
    std::string text;  // UTF-8

    bool operator==(const ColourRun&) const = default;
};

// The game's text bytes cut at their colour codes, each stretch read as decodeGameText
// reads it; empty stretches are left out.
std::vector<ColourRun> colourRuns(std::string_view bytes);

}  // namespace rennlupe::tools
