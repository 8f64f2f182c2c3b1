#include "desktop/BoundTextBox.h"

#include "desktop/followControl.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace rennlupe::desktop {

namespace {

constexpr int kNoKey = -1;
constexpr int kQtLongestText = 32767;
constexpr int kDelete = 127;

bool printable(int code) {
    return code >= ' ' && code != kDelete && QChar::isPrint(static_cast<char32_t>(code));
}

QString characterOf(int code) {
    const auto point = static_cast<char32_t>(code);
    return QString::fromUcs4(&point, 1);
}

}  // namespace

BoundTextBox::BoundTextBox(controls::TextBox& box, QWidget* parent)
    : QLineEdit(parent), m_box(box) {
    setObjectName(toQString(box.name()));
    // Qt's own limit would cut a longer text the program sets; the box's is kept below.
    setMaxLength(kQtLongestText);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        platform::fenced(m_box.name() + " change", [this, &text] { takeEdit(text); });
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
        return controls::TextBox::kBackspace;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return controls::TextBox::kEnter;
    }
    const auto chord = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const auto typed = event.text().toUcs4();
    if (chord == Qt::ControlModifier || typed.size() != 1 ||
        !printable(static_cast<int>(typed.front()))) {
        return kNoKey;
    }
    return static_cast<int>(typed.front());
}

void BoundTextBox::keyPressEvent(QKeyEvent* event) {
    platform::fenced(m_box.name() + " key press", [this, event] { pressKey(*event); });
}

void BoundTextBox::inputMethodEvent(QInputMethodEvent* event) {
    platform::fenced(m_box.name() + " input", [this, event] {
        if (event->commitString().isEmpty()) {
            QLineEdit::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent kept(event->preeditString(), event->attributes());
        kept.setCommitString(filtered(event->commitString()), event->replacementStart(),
                             event->replacementLength());
        QLineEdit::inputMethodEvent(&kept);
        showInBox();
    });
}

void BoundTextBox::pressKey(QKeyEvent& event) {
    const int typed = keyCodeOf(event);
    const bool shortcut =
        (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier;
    if (typed == kNoKey) {
        if (!shortcut && event.text().toUcs4().size() > 1) {
            insert(filtered(event.text()));  // a compose sequence: each character on its own
            showInBox();
        } else {
            QLineEdit::keyPressEvent(&event);
        }
        return;
    }
    int code = typed;
    m_box.KeyPress.raise(code);
    if (code == controls::TextBox::kBackspace || code == controls::TextBox::kEnter) {
        if (code == typed) {
            QLineEdit::keyPressEvent(&event);
        } else if (code == controls::TextBox::kBackspace) {
            backspace();
        }
    } else if (printable(code) && roomLeft() > 0) {
        insert(characterOf(code));
    }
    event.accept();
    showInBox();
}

QString BoundTextBox::filtered(const QString& typed) {
    QString kept;
    for (const auto point : typed.toUcs4()) {
        int code = static_cast<int>(point);
        m_box.KeyPress.raise(code);
        if (printable(code)) {
            kept += characterOf(code);
        }
    }
    return kept.left(std::max<qsizetype>(roomLeft(), 0));
}

qsizetype BoundTextBox::roomLeft() const {
    if (m_box.maxLength() == 0) {
        return std::numeric_limits<qsizetype>::max();
    }
    return static_cast<qsizetype>(m_box.maxLength()) - (text().size() - selectedText().size());
}

// A paste or another edit that would pass the limit is cut to it; a longer
// text that the program set stays as it was.
void BoundTextBox::takeEdit(QString edited) {
    const qsizetype limit = static_cast<qsizetype>(m_box.maxLength());
    const qsizetype before = toQString(m_box.text()).size();
    if (limit > 0 && edited.size() > std::max(limit, before)) {
        edited.truncate(std::max(limit, before));
        setText(edited);
    }
    m_box.setText(edited.toStdString());
}

void BoundTextBox::showInBox() {
    if (text() != toQString(m_box.text())) {
        m_box.setText(text().toStdString());
    }
}

}  // namespace rennlupe::desktop
