#pragma once

#include "controls/CommandButton.h"

#include <QPushButton>

namespace rennlupe::platform::qt {

class BoundButton final : public QPushButton {
public:
    BoundButton(CommandButton& button, QWidget* parent);
    void refresh();

private:
    CommandButton& m_button;
};

}  // namespace rennlupe::platform::qt
