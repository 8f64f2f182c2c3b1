#include "ui/GameColour.h"

#include "insim10/ButtonStyle.h"

#include <array>
#include <limits>

namespace rennlupe::ui {

namespace {

struct Candidate {
    std::uint32_t rgb;
    GameColour colour;
};

// The chat colours, then the styles' colours that no code gives (light grey, pale blue, grey).
constexpr std::array<Candidate, 11> kCandidates = {{
    {0x000000, {"^0", insim10::kIsbcLightGrey}},
    {0xFF0000, {"^1", insim10::kIsbcLightGrey}},
    {0x00FF00, {"^2", insim10::kIsbcLightGrey}},
    {0xFFFF00, {"^3", insim10::kIsbcLightGrey}},
    {0x0000FF, {"^4", insim10::kIsbcLightGrey}},
    {0xFF00FF, {"^5", insim10::kIsbcLightGrey}},
    {0x00FFFF, {"^6", insim10::kIsbcLightGrey}},
    {0xFFFFFF, {"^7", insim10::kIsbcLightGrey}},
    {0xC0C0C0, {"", insim10::kIsbcLightGrey}},
    {0x9CC8FF, {"", insim10::kIsbcTextString}},
    {0x808080, {"", insim10::kIsbcUnavailable}},
}};

int channel(std::uint32_t rgb, unsigned shift) {
    return static_cast<int>((rgb >> shift) & 0xFFU);
}

}  // namespace

GameColour nearestGameColour(std::uint32_t argb) {
    long best = std::numeric_limits<long>::max();
    GameColour nearest;
    for (const Candidate& candidate : kCandidates) {
        long distance = 0;
        for (const unsigned shift : {16U, 8U, 0U}) {
            const long d = channel(argb, shift) - channel(candidate.rgb, shift);
            distance += d * d;
        }
        if (distance < best) {
            best = distance;
            nearest = candidate.colour;
        }
    }
    return nearest;
}

}  // namespace rennlupe::ui
