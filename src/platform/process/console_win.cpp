#include "platform/process/console.h"

#include "platform/text/wideText.h"

#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

#include <cstdlib>

namespace rennlupe::platform {

namespace {

UINT g_inputPage = 0;
UINT g_outputPage = 0;

// The console is shared with the prompt that started the program: it gets its pages back.
void restorePages() {
    ::SetConsoleOutputCP(g_outputPage);
    ::SetConsoleCP(g_inputPage);
}

}  // namespace

void useUtf8Console() {
    g_inputPage = ::GetConsoleCP();
    g_outputPage = ::GetConsoleOutputCP();
    if (g_inputPage == 0 || g_outputPage == 0) {
        return;  // no console: output goes to a file or a pipe as it is
    }
    ::SetConsoleOutputCP(CP_UTF8);
    ::SetConsoleCP(CP_UTF8);
    std::atexit(restorePages);
}

std::vector<std::string> programArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr) {
        return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc)
                        : std::vector<std::string>{};
    }
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.push_back(utf8FromWide(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

}  // namespace rennlupe::platform
