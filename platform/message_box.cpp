#include "platform/message_box.h"

#include "platform/dialog.h"

#include <cstdio>

namespace platform {

int ShowMessage(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
    return IDOK;
}

}  // namespace platform
