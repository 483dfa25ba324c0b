// convert_once INPUT OUTPUT_DIR OPTIONS: one county converted without a
// progress display, for timing scripts: an options string of 86 characters
// goes to DisplayV2 (2002-2006 editions), one of 56 to Display (1994-2000).
#include "conv1/display.h"
#include "conv2/display.h"
#include "platform/dialog.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: convert_once INPUT OUTPUT_DIR OPTIONS\n");
        return 2;
    }
    platform::SilentRenderer silent;
    platform::SetModelessRenderer(&silent);
    if (std::strlen(argv[3]) <= 56) return vornak::Display(argv[1], argv[2], argv[3], 1, 1);
    return vornak2::DisplayV2(argv[1], argv[2], argv[3], 1, 1);
}
