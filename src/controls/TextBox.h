#pragma once

#include "controls/Control.h"

#include <cstddef>
#include <string>

namespace rennlupe::controls {

class TextBox : public Control {
public:
    static constexpr int kBackspace = 8;
    static constexpr int kEnter = 13;

    // maxLength 0 is no limit; it bounds what the user types, not what the program sets.
    TextBox(std::string name, std::string text, std::size_t maxLength = 0);

    const std::string& text() const noexcept { return m_text; }
    // Raises Change whenever the text differs, whoever sets it.
    void setText(std::string text);
    std::size_t maxLength() const noexcept { return m_maxLength; }

    // One key from the user: KeyPress may replace the code (0 discards it);
    // Backspace removes the last character, a printable code is appended.
    void typeKey(int keyCode);
    void typeText(const std::string& text);

    Event<int&> KeyPress;
    Event<> Change;

private:
    std::string m_text;
    std::size_t m_maxLength;
};

}  // namespace rennlupe::controls
