#pragma once

#include <string>
#include <vector>

// The console as the program's text sees it: UTF-8 both ways.
namespace rennlupe::platform {

// Windows: the console shows what the program writes as UTF-8. POSIX: nothing to do.
void useUtf8Console();
// The arguments after the program's name, in UTF-8 (Windows passes argv in the
// ANSI code page, so there they are taken from the wide command line).
std::vector<std::string> programArguments(int argc, char** argv);

}  // namespace rennlupe::platform
