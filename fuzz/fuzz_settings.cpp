#include "settings/IniFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using rennlupe::settings::IniFile;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

constexpr std::array<std::string_view, 6> kKeys = {"X position",
                                                   "Y position",
                                                   "Farbe",
                                                   "Gr\xF6\xDF"
                                                   "e",
                                                   "Grafik X",
                                                   "Grafik Y"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini(bytes);
    check(ini.bytes() == bytes);  // reading changes nothing

    for (const std::string_view key : kKeys) {
        if (const auto value = ini.value("Positionen", key)) {
            check(value->size() <= size);
        }
    }
    // Every key written reads back, and the keys written before it stay.
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        ini.setValue("Positionen", kKeys[i], std::to_string(i * 100));
        const IniFile again(ini.bytes());
        for (std::size_t j = 0; j <= i; ++j) {
            check(again.value("positionen", kKeys[j]) == std::to_string(j * 100));
        }
    }
    return 0;
}
