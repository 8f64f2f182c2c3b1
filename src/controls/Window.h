#pragma once

#include "controls/Event.h"
#include "controls/Label.h"

#include <string>

namespace rennlupe::controls {

// A top-level window of a form: its caption is the title. Unloading it tells
// the front end to close what shows it; the form's controls stay.
class Window : public Label {
public:
    using Label::Label;

    bool loaded() const noexcept { return m_loaded; }
    void unload();

    Event<> Unload;

private:
    bool m_loaded = true;
};

}  // namespace rennlupe::controls
