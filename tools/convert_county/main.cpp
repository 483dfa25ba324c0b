// convert_county: one county converted from the command line (see
// UsageText in options_help.cpp): an options string of 86 characters goes
// to DisplayV2 (2002-2006 editions), one of 56 to Display (1994-2000).
#include "conv1/display.h"
#include "conv2/display.h"
#include "options/options_strings.h"
#include "options_help.h"
#include "platform/dialog.h"
#include "platform/memory.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(convertcounty::UsageText().c_str(), stdout);
        return 0;
    }
    if (!args.empty() && args[0] == "--options") {
        std::string options, error;
        if (args.size() < 2 || args[1].size() != 1) error = "--options needs an edition character";
        else convertcounty::MakeOptions(args[1][0], std::vector<std::string>(args.begin() + 2, args.end()), options,
                                        error);
        if (!error.empty()) {
            std::fprintf(stderr, "convert_county: %s\n", error.c_str());
            return 2;
        }
        std::printf("%s\n", options.c_str());
        return 0;
    }
    if (args.size() != 3) {
        std::fputs("usage: convert_county INPUT OUTPUT_DIR OPTIONS (convert_county --help tells more)\n", stderr);
        return 2;
    }
    const std::string& options = args[2];
    if (options.size() != 56 && options.size() != 86) {
        std::fprintf(stderr,
                     "convert_county: the options string has %zu characters: 86 for the 2002-2006 editions, 56 for "
                     "1994-2000 (convert_county --help)\n",
                     options.size());
        return 2;
    }
    const size_t edition = options::kLaterOptions.edition;  // the same in both strings
    if (convertcounty::OptionsLengthOf(options[edition]) != options.size()) {
        std::fprintf(stderr, "convert_county: '%c' at position %zu is no edition of the %zu-character string\n",
                     options[edition], edition, options.size());
        return 2;
    }
    platform::KeepFreedMemoryForReuse();
    // The county's progress is not drawn.
    platform::SilentRenderer silent;
    platform::SetModelessRenderer(&silent);
    const int result = options.size() == options::kOlderOptions.length ? vornak::Display(args[0].c_str(), args[1].c_str(), options.c_str(), 1, 1)
                                            : vornak2::DisplayV2(args[0].c_str(), args[1].c_str(), options.c_str(), 1, 1);
    return result == 0 ? 0 : 1;
}
