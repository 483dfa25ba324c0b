// The libFuzzer program of one fuzz entry (PELLARD_FUZZ_ENTRY, set by the
// build for each target).
#include "fuzz_entries.h"

#include "platform/dialog.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Progress dialogs draw nothing.
    static platform::SilentRenderer silent;
    platform::SetModelessRenderer(&silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PELLARD_FUZZ_ENTRY(data, size);
    return 0;
}
