#include "platform/qt/BoundTextBox.h"

#include "platform/qt/followControl.h"

#include <QKeyEvent>

namespace rennlupe::platform::qt {

namespace {
constexpr int kNoKey = -1;
constexpr int kQtLongestText = 32767;
}  // namespace

BoundTextBox::BoundTextBox(TextBox& box, QWidget* parent) : QLineEdit(parent), m_box(box) {
    setObjectName(toQString(box.name()));
    setMaxLength(box.maxLength() == 0 ? kQtLongestText : static_cast<int>(box.maxLength()));
    // Whatever the user's edit was (typing, deleting, pasting), the box takes the new text.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        fenced(m_box.name() + " change", [this, &text] { m_box.setText(text.toStdString()); });
    });
    followControl(*this, box);
}

void BoundTextBox::refresh() {
    const QString shown = toQString(m_box.text());
    if (text() != shown) {
        setText(shown);
    }
    showCommonState(*this, m_box);
}

int BoundTextBox::keyCodeOf(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) {
        return TextBox::kBackspace;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return TextBox::kEnter;
    }
    const QString typed = event.text();
    if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0 ||
        typed.size() != 1 || !typed.front().isPrint()) {
        return kNoKey;
    }
    return typed.front().unicode();
}

void BoundTextBox::keyPressEvent(QKeyEvent* event) {
    fenced(m_box.name() + " key press", [this, event] { pressKey(*event); });
}

void BoundTextBox::pressKey(QKeyEvent& event) {
    const int typed = keyCodeOf(event);
    if (typed == kNoKey) {
        QLineEdit::keyPressEvent(&event);
        return;
    }
    int code = typed;
    m_box.KeyPress.raise(code);
    if (code == typed) {
        QLineEdit::keyPressEvent(&event);
    } else if (code == TextBox::kBackspace) {
        backspace();
    } else if (code >= ' ' && code != TextBox::kEnter) {
        insert(QString(QChar(code)));
    } else {
        event.accept();  // discarded
        return;
    }
    if (text() != toQString(m_box.text())) {
        m_box.setText(text().toStdString());
    }
}

}  // namespace rennlupe::platform::qt
