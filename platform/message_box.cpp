#include "platform/message_box.h"

#include "platform/dialog.h"

#include <cstdio>
#include <iostream>

namespace platform {

int ShowMessage(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    std::fflush(stderr);
    return IDOK;
}

int AskMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
               std::istream& in, std::ostream& out) {
    const char* choices = buttons == MessageButtons::Ok ? "ok"
                          : buttons == MessageButtons::OkCancel ? "ok/cancel" : "yes/no";
    for (;;) {
        out << "[" << caption << "] " << text << "\n(" << choices << ")> " << std::flush;
        std::string answer;
        if (!ReadCommandLine(in, answer)) {
            out << "\n";
            return buttons == MessageButtons::YesNo ? IDNO : IDCANCEL;
        }
        if (buttons == MessageButtons::Ok) return IDOK;
        if (buttons == MessageButtons::OkCancel) {
            if (answer == "ok" || answer == "y" || answer == "yes") return IDOK;
            if (answer == "cancel" || answer == "n" || answer == "no") return IDCANCEL;
        } else {
            if (answer == "yes" || answer == "y") return IDYES;
            if (answer == "no" || answer == "n") return IDNO;
        }
    }
}

}  // namespace platform
