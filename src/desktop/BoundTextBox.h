#pragma once

#include "controls/TextBox.h"

#include <QLineEdit>
#include <QString>

class QInputMethodEvent;
class QKeyEvent;

namespace rennlupe::desktop {

// A text box whose typed characters go through the box's KeyPress first,
// which may replace a key or discard it (code 0): from keys, compose and dead
// keys and input methods alike. The length limit bounds what the user types.
class BoundTextBox final : public QLineEdit {
public:
    BoundTextBox(controls::TextBox& box, QWidget* parent);
    void refresh();

    // Backspace 8, Enter 13, a printable character its code point; -1 for a key
    // that types nothing or more than one character, or a Ctrl shortcut.
    static int keyCodeOf(const QKeyEvent& event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void pressKey(QKeyEvent& event);
    // What KeyPress lets through of typed characters, within the length limit.
    QString filtered(const QString& typed);
    qsizetype roomLeft() const;
    void takeEdit(QString edited);
    void showInBox();

    controls::TextBox& m_box;
};

}  // namespace rennlupe::desktop
