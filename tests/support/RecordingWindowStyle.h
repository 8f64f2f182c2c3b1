#pragma once

#include "ui/WindowStyle.h"

#include <string>
#include <vector>

namespace rennlupe::support {

// Records the transparencies set, by window name.
class RecordingWindowStyle final : public ui::WindowStyle {
public:
    void MakeFlat(controls::Control&) override {}
    void SetWindowTransparency(controls::Control& window, std::uint8_t alpha) override {
        transparencies.push_back(window.name() + "=" + std::to_string(alpha));
    }

    std::vector<std::string> transparencies;
};

}  // namespace rennlupe::support
