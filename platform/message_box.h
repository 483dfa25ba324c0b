// Message boxes. A library's box never blocks: the text goes to standard
// error (and the library adds it to its log). The front end's box asks its
// question on the console and reads the answer.
#pragma once

#include <iosfwd>
#include <string>

namespace platform {

enum class MessageButtons { Ok, OkCancel, YesNo };
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows the text on standard error and returns IDOK at once.
int ShowMessage(const std::string& text, const std::string& caption);

// Shows the text on `out` and reads the answer from `in`: "ok"/"yes"/"y"
// give IDOK or IDYES, "cancel"/"no"/"n" IDCANCEL or IDNO; an OK-only box
// takes any line. The end of the input answers Cancel (No).
int AskMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
               std::istream& in, std::ostream& out);

}  // namespace platform
