#pragma once

#include "bits/MessageLine.h"
#include "controls/Slider.h"
#include "controls/Window.h"
#include "ui/WindowStyle.h"

namespace rennlupe::ui {

// A side window's slider: a click sets the window's opacity to the slider's value.
void wireSideWindowTransparency(controls::Slider& slider, controls::Window& window,
                                WindowStyle& style, bits::MessageLine& messages);

}  // namespace rennlupe::ui
