#include "ui/wireSideWindowTransparency.h"

#include "bits/guardHandler.h"
#include "bits/Overflow.h"

#include <cstdint>

namespace rennlupe::ui {

void wireSideWindowTransparency(controls::Slider& slider, controls::Window& window,
                                WindowStyle& style, bits::MessageLine& messages) {
    slider.Click.connect([&slider, &window, &style, &messages] {
        bits::guardHandler(messages, slider.name() + "_Click", [&] {
            const int value = slider.value();
            if (value < 0 || value > 255) {
                throw bits::Overflow();
            }
            style.SetWindowTransparency(window, static_cast<std::uint8_t>(value));
        });
    });
}

}  // namespace rennlupe::ui
