// convert_county: one county converted from the command line (see
// UsageText in options_help.cpp): an options string of 86 characters goes
// to DisplayV2 (2002-2006 editions), one of 56 to Display (1994-2000).
#include "command_line.h"
#include "platform/dialog.h"
#include "platform/memory.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    platform::KeepFreedMemoryForReuse();
    // The county's progress is not drawn.
    platform::SilentRenderer silent;
    platform::SetModelessRenderer(&silent);
    return convertcounty::RunCommandLine(args, std::cout, std::cerr);
}
