// The open-file step of Add: a prompt for one or more TIGER inputs on the
// console. Wildcards are expanded; every path is made absolute and must
// name an existing file.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace frontend {

// Asks for one line of paths. An empty line or the end of the input cancels
// (empty result); so does a line naming a path that does not exist, which is
// said in a message box, and a line holding a NUL character. Nothing of such
// a line is added.
std::vector<std::string> PromptForInputs(std::istream& in, std::ostream& out);

// The paths of one answer line: words split at blanks ("..." keeps blanks),
// wildcards expanded to the TIGER inputs they match, each path absolute.
// Paths that do not exist are listed in `missing`.
std::vector<std::string> ExpandInputPaths(const std::string& line, std::vector<std::string>& missing);

}  // namespace frontend
