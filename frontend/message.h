// The front end's message boxes: the text goes to the program's output and
// needs no answer.
#pragma once

#include <iosfwd>
#include <string>

namespace frontend {

void ShowMessageBox(std::ostream& out, const std::string& text);

// printf-style formatting into a string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace frontend
