// Message boxes. A box never blocks: its text goes to standard error (and a
// library adds it to its log).
#pragma once

#include <string>

namespace platform {

// Shows the text on standard error and returns IDOK at once.
int ShowMessage(const std::string& text, const std::string& caption);

}  // namespace platform
