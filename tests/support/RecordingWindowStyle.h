#pragma once

#include "ui/WindowStyle.h"

#include <string>
#include <vector>

namespace rennlupe::support {

// Records the controls made flat and the transparencies set, by control name.
class RecordingWindowStyle final : public ui::WindowStyle {
public:
    void MakeFlat(controls::Control& control) override { flattened.push_back(control.name()); }
    void SetWindowTransparency(controls::Control& window, std::uint8_t alpha) override {
        transparencies.push_back(window.name() + "=" + std::to_string(alpha));
    }

    std::vector<std::string> flattened;
    std::vector<std::string> transparencies;
};

}  // namespace rennlupe::support
