// convert_once INPUT OUTPUT_DIR OPTIONS: one DisplayV2 call without a
// progress display, for timing scripts.
#include "conv2/display.h"
#include "platform/dialog.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: convert_once INPUT OUTPUT_DIR OPTIONS\n");
        return 2;
    }
    platform::SilentRenderer silent;
    platform::SetModelessRenderer(&silent);
    return vornak2::DisplayV2(argv[1], argv[2], argv[3], 1, 1);
}
