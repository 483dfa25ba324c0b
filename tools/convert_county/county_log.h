// What convert_county reads of the lines one run appended to a county's log
// (platform/appended_lines.h): the line that tells why the county failed.
#pragma once

#include <string>
#include <vector>

namespace convertcounty {

// The first of `added` (the lines one run appended to a county's log) that
// reports a failure: every line but the empty ones, the run's first
// two lines (its start and edition) and last ("Process ended on ..."), a
// line of one word (a record file's path shown in a message box,
// "Finished"), and the notices of a county that goes on ("directory ...
// created", "Wrote ...", "There are no ...", a missing optional record file
// "Could not open Type 7 file. No ...", ...). "" when there is none.
std::string FirstFailureLine(const std::vector<std::string>& added);

// What convert_county writes on standard error for a county that failed:
// "convert_county: <county> failed: see <log>: <failure line>", the log and
// the line left out when there is none; then, when the run's lines say that
// the record files may be of another edition, that line. The failure line
// is `cause`, the line the step that gave up wrote, unless it is empty or a
// notice; else the first of `added` that reports a failure.
std::string FailureReport(const std::string& county, const std::string& logPath,
                          const std::vector<std::string>& added, const std::string& cause = std::string());

}  // namespace convertcounty
