// pellard's command line: no argument runs the dialogs on standard input
// and output; --help (or -h) tells how to drive them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace frontend {

// How to drive the dialogs: the commands, a job from Add to GO, how paths
// with blanks are given, where the outputs and logs go, the exit status.
std::string UsageText();

// Runs the program for the arguments after the program name: the help on
// `out` (status 0), a refused argument on `err` (status 2), or the dialogs
// on `in` and `out` (RunPellard's status).
int RunCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace frontend
