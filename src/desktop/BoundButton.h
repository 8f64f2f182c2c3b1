#pragma once

#include "controls/CommandButton.h"

#include <QPushButton>

namespace rennlupe::desktop {

class BoundButton final : public QPushButton {
public:
    BoundButton(controls::CommandButton& button, QWidget* parent);
    void refresh();

private:
    controls::CommandButton& m_button;
};

}  // namespace rennlupe::desktop
