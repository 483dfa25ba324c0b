#include "frontend/message.h"

#include <ostream>

namespace frontend {

void ShowMessageBox(std::ostream& out, const std::string& text) {
    out << "[pellard] " << text << "\n" << std::flush;
}

}  // namespace frontend
