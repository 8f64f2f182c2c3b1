#pragma once

#include "ui/WindowStyle.h"

namespace rennlupe::console {

// Without a screen there is nothing to make flat or transparent.
class NoWindowStyle final : public ui::WindowStyle {
public:
    void MakeFlat(controls::Control&) override {}
    void SetWindowTransparency(controls::Control&, std::uint8_t) override {}
};

}  // namespace rennlupe::console
