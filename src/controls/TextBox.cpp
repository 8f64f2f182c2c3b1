#include "controls/TextBox.h"

#include <utility>

namespace rennlupe::controls {

TextBox::TextBox(std::string name, std::string text, std::size_t maxLength)
    : Control(std::move(name)), m_text(std::move(text)), m_maxLength(maxLength) {}

void TextBox::setText(std::string text) {
    if (m_text != text) {
        m_text = std::move(text);
        changed();
        Change.raise();
    }
}

void TextBox::typeKey(int keyCode) {
    if (!enabled()) {
        return;
    }
    KeyPress.raise(keyCode);
    if (keyCode == kBackspace) {
        if (!m_text.empty()) {
            std::string shorter = m_text;
            shorter.pop_back();
            setText(std::move(shorter));
        }
    } else if (keyCode >= 32 && keyCode < 256 &&
               (m_maxLength == 0 || m_text.size() < m_maxLength)) {
        setText(m_text + static_cast<char>(keyCode));
    }
}

void TextBox::typeText(const std::string& text) {
    for (const char c : text) {
        typeKey(static_cast<unsigned char>(c));
    }
}

}  // namespace rennlupe::controls
