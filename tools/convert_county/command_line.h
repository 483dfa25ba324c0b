// convert_county's command line: the usage, the --options maker, and one
// county converted by the library of its options string.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace convertcounty {

// Runs convert_county with `arguments` (those after the program's name),
// printing on `out` and, for a refusal or a county that failed, one line on
// `err`. The exit status: 0 done (the county converted), 1 the county
// failed (the line names it, its log and the first failure line this run
// wrote to the log), 2 refused arguments (among them an input that is no
// existing file: nothing is made then).
int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace convertcounty
