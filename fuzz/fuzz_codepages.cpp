#include "insim10/GameText.h"
#include "platform/text/codePages.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Well-formed UTF-8: every lead byte has its continuation bytes, nothing stray.
bool wellFormed(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        if ((byte >= 0x80 && byte < 0xC2) || byte > 0xF4 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0U) != 0x80U) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

}  // namespace

// The first byte picks the page; the rest is text from the game, read in that page
// and as a whole field of the game's text with its switches and escapes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto page = static_cast<rennlupe::platform::CodePage>(data[0] % 10);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (!wellFormed(rennlupe::platform::toUtf8(bytes, page)) ||
        !wellFormed(rennlupe::insim10::decodeGameText({data + 1, size - 1}))) {
        std::abort();
    }
    return 0;
}
