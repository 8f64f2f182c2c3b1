#include "insim-sim/colourRuns.h"

#include "insim10/GameText.h"

#include <cstdint>
#include <span>
#include <utility>

namespace rennlupe::tools {

std::vector<ColourRun> colourRuns(std::string_view bytes) {
    std::vector<ColourRun> runs;
    int colour = ColourRun::kStyleColour;
    char page = 'L';
    std::string field = "^L";  // the current run's bytes, led by the code page it starts in
    const auto flush = [&] {
        std::string text = insim10::decodeGameText(
            std::span(reinterpret_cast<const std::uint8_t*>(field.data()), field.size()));
        if (!text.empty()) {
            runs.push_back({colour, std::move(text)});
        }
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char code = bytes[i] == '^' && i + 1 < bytes.size() ? bytes[i + 1] : '\0';
        if (code >= '0' && code <= '9') {
            flush();
            colour = code == '9' ? ColourRun::kStyleColour : code - '0';
            page = code == '8' ? 'L' : page;
            field = {'^', page};
            ++i;
            continue;
        }
        if (code != '\0' && std::string_view("LETBJCGHSK").find(code) != std::string_view::npos) {
            page = code;
        }
        field += bytes[i];
        if (code != '\0') {
            field += bytes[++i];  // a pair stays whole: "^^1" is a caret and a 1
        }
    }
    flush();
    return runs;
}

}  // namespace rennlupe::tools
