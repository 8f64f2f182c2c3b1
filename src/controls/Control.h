#pragma once

#include "controls/Event.h"

#include <string>

namespace rennlupe::controls {

// What every control has: its name, enabled and visible, and a Changed event
// that a front end watches to show the control's new state.
class Control {
public:
    explicit Control(std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const noexcept { return m_name; }
    bool enabled() const noexcept { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const noexcept { return m_visible; }
    void setVisible(bool visible);

    Event<> Changed;

protected:
    void changed() const { Changed.raise(); }

private:
    std::string m_name;
    bool m_enabled = true;
    bool m_visible = true;
};

}  // namespace rennlupe::controls
