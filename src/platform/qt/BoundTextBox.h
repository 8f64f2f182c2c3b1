#pragma once

#include "platform/controls/TextBox.h"

#include <QLineEdit>

class QKeyEvent;

namespace rennlupe::platform::qt {

// A text box whose key presses go through the box's KeyPress first, which
// may replace the key or discard it (code 0).
class BoundTextBox final : public QLineEdit {
public:
    BoundTextBox(TextBox& box, QWidget* parent);
    void refresh();

    // Backspace 8, Enter 13, a printable character its code; -1 for keys that type nothing.
    static int keyCodeOf(const QKeyEvent& event);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pressKey(QKeyEvent& event);

    TextBox& m_box;
};

}  // namespace rennlupe::platform::qt
