#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rennlupe::settings {

// An INI text as the private-profile functions see it: "[section]" lines and
// "key=value" lines, names matched without regard to ASCII case. Texts are
// single-byte (Windows-1252) bytes; every line not written keeps its bytes.
class IniFile {
public:
    explicit IniFile(std::string_view bytes = {});

    // The first value stored under section and key, blanks and one pair of
    // enclosing quotes taken off.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Replaces the key's line, or adds the key at its section's end, or adds
    // the section at the file's end; what it writes ends in CR LF.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string bytes() const;

private:
    struct Line {
        std::string text;
        std::string ending;
    };
    struct Entry {
        std::string_view key;
        std::string_view value;
    };

    static std::optional<std::string_view> sectionName(std::string_view line);
    static std::optional<Entry> entry(std::string_view line);
    void insertLine(std::size_t at, std::string text);

    std::vector<Line> m_lines;
};

}  // namespace rennlupe::settings
