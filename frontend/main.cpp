// pellard: the dialogs read their commands from standard input and draw on
// standard output; the two conversion libraries are bound at load time.
#include "exports/county_exports.h"
#include "frontend/command_line.h"
#include "frontend/library_entries.h"
#include "platform/memory.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    platform::KeepFreedMemoryForReuse();
    frontend::LibraryEntries& libraries = frontend::Libraries();
    libraries.displayV2 = DisplayV2;
    libraries.displayV2Unpacked = DisplayV2Unpacked;
    libraries.display = Display;
    libraries.displayUnpacked = DisplayUnpacked;
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return frontend::RunCommandLine(arguments, std::cin, std::cout, std::cerr);
}
