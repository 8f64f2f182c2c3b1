#include "platform/text/codePages.h"

namespace rennlupe::platform {

bool isLeadByte(std::uint8_t byte, CodePage page) noexcept {
    switch (page) {
    case CodePage::Japanese:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case CodePage::TraditionalChinese:
    case CodePage::SimplifiedChinese:
    case CodePage::Korean:
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

}  // namespace rennlupe::platform
