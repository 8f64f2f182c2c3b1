#include "settings/IniFile.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace rennlupe::settings {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

}  // namespace

IniFile::IniFile(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto newline = bytes.find('\n', start);
        if (newline == std::string_view::npos) {
            m_lines.push_back({std::string(bytes.substr(start)), {}});
            break;
        }
        std::size_t textEnd = newline;
        if (textEnd > start && bytes[textEnd - 1] == '\r') {
            --textEnd;
        }
        m_lines.push_back({std::string(bytes.substr(start, textEnd - start)),
                           std::string(bytes.substr(textEnd, newline + 1 - textEnd))});
        start = newline + 1;
    }
}

std::optional<std::string_view> IniFile::sectionName(std::string_view line) {
    const std::string_view trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() != '[') {
        return std::nullopt;
    }
    const std::string_view inner = trimmed.substr(1);
    return trim(inner.substr(0, inner.find(']')));
}

std::optional<IniFile::Entry> IniFile::entry(std::string_view line) {
    const std::string_view trimmed = trim(line);
    const auto equals = trimmed.find('=');
    if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{trim(trimmed.substr(0, equals)), trim(trimmed.substr(equals + 1))};
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (const Line& line : m_lines) {
        if (const auto name = sectionName(line.text)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (const auto found = entry(line.text); found && sameName(found->key, key)) {
            std::string_view text = found->value;
            if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                text.back() == text.front()) {
                text = text.substr(1, text.size() - 2);
            }
            return std::string(text);
        }
    }
    return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    // A new key goes after the last non-blank line of the first matching section.
    std::optional<std::size_t> insertAt;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        Line& line = m_lines[i];
        if (const auto name = sectionName(line.text)) {
            inSection = sameName(*name, section);
            inFirstSection = inSection && !insertAt;
            if (inFirstSection) {
                insertAt = i + 1;
            }
            continue;
        }
        if (inFirstSection && !trim(line.text).empty()) {
            insertAt = i + 1;
        }
        if (const auto found = entry(line.text); inSection && found && sameName(found->key, key)) {
            line.text = std::string(found->key) + "=" + std::string(value);
            line.ending = kLineEnd;
            return;
        }
    }
    if (insertAt) {
        insertLine(*insertAt, std::string(key) + "=" + std::string(value));
        return;
    }
    insertLine(m_lines.size(), "[" + std::string(section) + "]");
    insertLine(m_lines.size(), std::string(key) + "=" + std::string(value));
}

void IniFile::insertLine(std::size_t at, std::string text) {
    if (at > 0 && m_lines[at - 1].ending.empty()) {
        m_lines[at - 1].ending = kLineEnd;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::move(text), std::string(kLineEnd)});
}

std::string IniFile::bytes() const {
    std::string out;
    for (const Line& line : m_lines) {
        out += line.text;
        out += line.ending;
    }
    return out;
}

}  // namespace rennlupe::settings
