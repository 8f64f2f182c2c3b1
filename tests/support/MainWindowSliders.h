#pragma once

#include "controls/Slider.h"

#include <array>
#include <functional>
#include <vector>

namespace rennlupe::support {

// The main window's six sliders with their ranges, for what reads or sets them.
struct MainWindowSliders {
    controls::Slider Slider1{"Slider1", 0, 1000};
    controls::Slider Slider2{"Slider2", 0, 1000};
    controls::Slider Slider3{"Slider3", 0, 65000};
    controls::Slider Slider4{"Slider4", 0, 100, 1, 1};
    controls::Slider Slider5{"Slider5", 0, 1000};
    controls::Slider Slider6{"Slider6", 0, 1000};

    std::array<std::reference_wrapper<controls::Slider>, 6> all() {
        return {Slider1, Slider2, Slider3, Slider4, Slider5, Slider6};
    }
    std::vector<int> values() const {
        return {Slider1.value(), Slider2.value(), Slider3.value(),
                Slider4.value(), Slider5.value(), Slider6.value()};
    }
};

}  // namespace rennlupe::support
