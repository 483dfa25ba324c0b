// Programs run from the tests: whether one is installed, what a shell command
// prints, and GDAL's ogrinfo as an independent reader of the files written.
#pragma once

#include <string>

namespace testsupport {

// Whether `program` is found on the PATH.
bool HaveProgram(const std::string& program);
// Standard output and error of the shell command `command`.
std::string CommandOutput(const std::string& command);

// Whether GDAL's ogrinfo is installed, and the message of a test skipped
// without it.
bool HaveOgrinfo();
extern const char kNoOgrinfo[];
// Standard output and error of `ogrinfo -ro <options> '<path>' <layers>`.
std::string Ogrinfo(const std::string& options, const std::string& path, const std::string& layers = "");

}  // namespace testsupport
