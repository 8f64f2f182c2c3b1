#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace rennlupe::statusbar {

// The control's font: its attributes, and every change of one reported to
// whoever listens, so that changing the font object changes the bar.
class FontObject {
public:
    using Listener = std::function<void()>;

    const std::string& Name() const noexcept { return m_name; }
    double Size() const noexcept { return m_size; }
    bool Bold() const noexcept { return m_bold; }
    bool Italic() const noexcept { return m_italic; }
    bool Underline() const noexcept { return m_underline; }
    bool Strikethrough() const noexcept { return m_strikethrough; }
    std::int16_t Charset() const noexcept { return m_charset; }

    void setName(std::string name) { change(m_name, std::move(name)); }
    void setSize(double points) { change(m_size, points); }
    void setBold(bool bold) { change(m_bold, bold); }
    void setItalic(bool italic) { change(m_italic, italic); }
    void setUnderline(bool underline) { change(m_underline, underline); }
    void setStrikethrough(bool strikethrough) { change(m_strikethrough, strikethrough); }
    void setCharset(std::int16_t charset) { change(m_charset, charset); }

    int listen(Listener listener);
    void stopListening(int id);

private:
    template <typename T>
    void change(T& attribute, T value) {
        attribute = std::move(value);
        changed();
    }
    void changed() const;

    std::string m_name = "MS Sans Serif";
    double m_size = 8.25;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikethrough = false;
    std::int16_t m_charset = 0;
    int m_nextId = 1;
    std::vector<std::pair<int, Listener>> m_listeners;
};

}  // namespace rennlupe::statusbar
