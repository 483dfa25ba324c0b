// The front end's message boxes: the text goes to the program's output and
// needs no answer.
#pragma once

#include <iosfwd>
#include <string>

namespace frontend {

void ShowMessageBox(std::ostream& out, const std::string& text);

}  // namespace frontend
