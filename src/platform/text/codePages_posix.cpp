#include "platform/text/codePages.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstddef>

namespace rennlupe::platform {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

const char* iconvName(CodePage page) {
    static constexpr std::array<const char*, 10> kNames = {"CP1252", "CP1250", "CP1254", "CP1257",
                                                           "CP932",  "CP1251", "CP1253", "CP950",
                                                           "CP936",  "CP949"};
    return kNames.at(static_cast<std::size_t>(page));
}

// One conversion, closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(::iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (ok()) {
            ::iconv_close(m_cd);
        }
    }
    bool ok() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    // Converts as much as it can; false at the first sequence it cannot take.
    bool convert(std::string_view& in, std::string& out) {
        std::array<char, 256> buffer{};
        while (!in.empty()) {
            char* from = const_cast<char*>(in.data());  // iconv's interface; never written
            std::size_t fromLeft = in.size();
            char* to = buffer.data();
            std::size_t toLeft = buffer.size();
            const std::size_t result = ::iconv(m_cd, &from, &fromLeft, &to, &toLeft);
            out.append(buffer.data(), buffer.size() - toLeft);
            in.remove_prefix(in.size() - fromLeft);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        return true;
    }

private:
    iconv_t m_cd;
};

}  // namespace

std::string toUtf8(std::string_view bytes, CodePage page) {
    Converter converter("UTF-8", iconvName(page));
    std::string text;
    if (!converter.ok()) {
        return std::string(kReplacement);
    }
    while (!converter.convert(bytes, text)) {
        // A character the page does not hold, or one cut off at the end; a byte after a
        // lead byte that cannot be its partner (below 0x40: a control or ASCII sign) stays.
        text += kReplacement;
        const bool pair = bytes.size() > 1 &&
                          isLeadByte(static_cast<std::uint8_t>(bytes[0]), page) &&
                          static_cast<std::uint8_t>(bytes[1]) >= 0x40;
        bytes.remove_prefix(pair ? 2 : 1);
    }
    return text;
}

std::optional<std::string> fromUtf8(std::string_view character, CodePage page) {
    Converter converter(iconvName(page), "UTF-8");
    std::string bytes;
    if (!converter.ok() || !converter.convert(character, bytes)) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace rennlupe::platform
