// What convert_county reads of a county's log: where the libraries write
// it, what one run appended to it, and the line of that text that tells why
// the county failed.
#pragma once

#include <cstddef>
#include <string>

namespace convertcounty {

// The log of the county of `input` (its first record file or its archive)
// in `outputDir`, named as both libraries name it; "" for an empty
// `outputDir`, where no library writes one.
std::string CountyLogPath(const std::string& outputDir, const std::string& input);

// The size of the file at `path`; 0 when there is none.
std::size_t LogSize(const std::string& path);
// The text of the file at `path` from byte `from` on: what a run appended
// after the file had `from` bytes (the whole file when it is shorter now).
std::string LogTextFrom(const std::string& path, std::size_t from);

// The first line of `added` (the text one run appended to a county's log)
// that reports a failure: every line but the empty ones, the run's first
// two lines (its start and edition) and last ("Process ended on ..."), a
// line of one word (a record file's path shown in a message box,
// "Finished"), and the notices of a county that goes on ("directory ...
// created", "Wrote ...", "There are no ...", a missing optional record file
// "Could not open Type 7 file. No ...", ...). "" when there is none.
std::string FirstFailureLine(const std::string& added);

// The line convert_county writes on standard error for a county that
// failed: "convert_county: <county> failed: see <log>: <failure line>", the
// log and the line left out when there is none.
std::string FailureReport(const std::string& county, const std::string& logPath, const std::string& failureLine);

}  // namespace convertcounty
