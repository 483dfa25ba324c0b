#include "platform/message_box.h"

#include "platform/dialog.h"

#include <cstdio>

namespace platform {

int ShowMessage(const std::string& text, const std::string& caption) {
    // Never glued to the end of a progress line.
    EndStatusLine();
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
    return IDOK;
}

}  // namespace platform
