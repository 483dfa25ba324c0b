// pellard: the dialogs read their commands from standard input and draw on
// standard output; the two conversion libraries are bound at load time.
#include "frontend/app.h"
#include "frontend/library_entries.h"

#include <iostream>

extern "C" int DisplayV2(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                         int countyCount);
extern "C" int Display(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                       int countyCount);

int main() {
    frontend::Libraries().displayV2 = DisplayV2;
    frontend::Libraries().display = Display;
    return frontend::RunPellard(std::cin, std::cout);
}
