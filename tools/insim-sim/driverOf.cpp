#include "insim-sim/driverOf.h"

#include "insim10/GameText.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace rennlupe::tools {
namespace {

// Each name needs a code-page switch of its own: ^E, ^C, ^J, ^L, ^G, ^T, ^E, ^L.
constexpr std::array<std::string_view, 8> kNames = {"Łukasz Nowak", "Дмитрий Орлов", "佐藤 健",
                                                    "Jürgen Weiß",  "Ελένη Πάππα",   "Ayşe Yılmaz",
                                                    "Petr Černý",   "Sam Carter"};
constexpr std::array<std::string_view, 6> kCars = {"XRT", "FBM", "FXR", "RB4", "LX6", "FZR"};

template <std::size_t N>
std::array<std::uint8_t, N> field(std::string_view bytes) {
    std::array<std::uint8_t, N> out{};
    std::copy_n(bytes.begin(), std::min(N - 1, bytes.size()), out.begin());
    return out;
}

}  // namespace

insim10::IsNpl driverOf(std::uint8_t plid) {
    const std::size_t i = plid == 0 ? 0 : plid - 1U;
    std::string name(kNames[i % kNames.size()]);
    if (i >= kNames.size()) {
        name += " " + std::to_string(i / kNames.size() + 1);
    }
    insim10::IsNpl npl;
    npl.PLID = plid;
    npl.UCID = plid;
    npl.PType = i % 5 == 4 ? 2 : 0;  // every fifth an AI driver
    npl.PName = field<24>(insim10::encodeGameText(name));
    const std::string plate = "RL " + std::to_string(plid);
    std::copy_n(plate.begin(), std::min(plate.size(), npl.Plate.size()), npl.Plate.begin());
    npl.CName = field<4>(kCars[i % kCars.size()]);
    npl.SName = field<16>("DEFAULT");
    npl.Tyres = {2, 2, 2, 2};
    npl.Model = 1;
    npl.SetF = 0;
    npl.Fuel = 60;
    return npl;
}

}  // namespace rennlupe::tools
