#include "command_line.h"

#include "conv1/display.h"
#include "conv1/job_state.h"
#include "conv2/display.h"
#include "conv2/job_state.h"
#include "county_log.h"
#include "options/options_strings.h"
#include "options_help.h"
#include "platform/appended_lines.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <unistd.h>

namespace convertcounty {

namespace {

// Whether the library finds the county's input: an archive by its own name,
// a record file whatever the case of its name.
bool InputExists(const std::string& input) {
    if (platform::ToUpper(platform::ExtensionOfPath(input)) == "ZIP") return platform::FileExists(input);
    return !platform::FindFileAnyCase(input).empty();
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << UsageText();
        return 0;
    }
    if (!args.empty() && args[0] == "--options") {
        std::string options, error;
        if (args.size() < 2 || args[1].size() != 1) error = "--options needs an edition character";
        else MakeOptions(args[1][0], std::vector<std::string>(args.begin() + 2, args.end()), options, error);
        if (!error.empty()) {
            err << "convert_county: " << error << "\n";
            return 2;
        }
        out << options << "\n";
        return 0;
    }
    if (args.size() != 3) {
        err << "usage: convert_county INPUT OUTPUT_DIR OPTIONS (convert_county --help tells more)\n";
        return 2;
    }
    const std::string &input = args[0], &outputDir = args[1], &options = args[2];
    if (options.size() != 56 && options.size() != 86) {
        err << platform::Format("convert_county: the options string has %zu characters: 86 for the 2002-2006 "
                                "editions, 56 for 1994-2000 (convert_county --help)\n",
                                options.size());
        return 2;
    }
    const size_t edition = options::kLaterOptions.edition;  // the same in both strings
    if (OptionsLengthOf(options[edition]) != options.size()) {
        err << platform::Format("convert_county: '%c' at position %zu is no edition of the %zu-character string\n",
                                options[edition], edition, options.size());
        return 2;
    }
    const bool older = options.size() == options::kOlderOptions.length;
    const size_t organisation = (older ? options::kOlderOptions : options::kLaterOptions).organisation;
    if (options[organisation] < '0' || options[organisation] > '3') {
        err << platform::Format("convert_county: '%c' at position %zu is no organisation ('0' to '3')\n",
                                options[organisation], organisation);
        return 2;
    }
    if (!InputExists(input)) {
        err << "convert_county: the input " << input << " does not exist or is no file\n";
        return 2;
    }
    // A county is given by its type 1 file; another of its record files, or
    // its .met, would be read as one.
    const bool metadata = platform::ToLower(platform::ExtensionOfPath(input)) == "met";
    if (metadata || platform::IsOtherRecordFile(input)) {
        const std::string typeOne = metadata ? platform::FindFileAnyCase(input.substr(0, input.size() - 3) + "rt1")
                                             : platform::TypeOneFileBeside(input);
        err << "convert_county: the input " << input << " is not a type 1 record file; "
            << (typeOne.empty() ? "no type 1 file of its county lies beside it"
                                : "give the county's type 1 file " + typeOne)
            << "\n";
        return 2;
    }
    if (!platform::IsDirectory(outputDir)) {
        err << "convert_county: the output folder " << outputDir << " does not exist or is no folder\n";
        return 2;
    }
    if (::access(outputDir.c_str(), W_OK | X_OK) != 0) {
        err << "convert_county: the output folder " << outputDir << " cannot be written (" << std::strerror(errno)
            << ")\n";
        return 2;
    }
    // The log is appended to run after run: this run's lines follow its
    // present end.
    const std::string logPath = platform::CountyLogPath(outputDir, input);
    const platform::AppendedLines added(logPath);
    const int result = older ? vornak::Display(input.c_str(), outputDir.c_str(), options.c_str(), 1, 1)
                             : vornak2::DisplayV2(input.c_str(), outputDir.c_str(), options.c_str(), 1, 1);
    if (result == 0) return 0;
    const std::string cause = older ? vornak::Services().FailureLine() : vornak2::Services().FailureLine();
    err << FailureReport(platform::CountyBaseName(input), logPath, added.Read(), cause);
    return 1;
}

}  // namespace convertcounty
