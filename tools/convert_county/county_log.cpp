#include "county_log.h"

#include "platform/paths.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

namespace convertcounty {

namespace {

constexpr char kRunStart[] = "New Process started on ";

// A notice of a county that goes on: a line that starts with `start` and
// holds `within` after it.
struct Notice {
    const char* start;
    const char* within;
};
const Notice kNotices[] = {
    {"Process ended on ", ""},
    {"directory ", " created"},
    {"Wrote ", ""},
    {"There are no ", ""},
    {"All ", "coincide with water polygons"},
    {"Try turning off the water polygon clipping option", ""},
    {"No AIR polygons found.", ""},
    {"First Edition TIGER 2004", ""},
    {"Second Edition TIGER 2004", ""},
    {"Current Congressional Districts are for ", ""},
    {"Cannot find matching I record for tlid ", ""},
    {"Could not open Type ", " file. No "},
    {"Waited for another job that ", ""},
    {"The archive ", " is converted"},
    {"", " of the archive "},
    {"Removed file ", "made by a run that stopped before it ended"},
    {"Restored file ", "as it was before a run that stopped"},
    {"File ", "nothing is put back for it"},
};

bool IsNotice(const std::string& line) {
    for (const Notice& notice : kNotices) {
        const std::string start = notice.start;
        if (line.compare(0, start.size(), start) == 0 && line.find(notice.within, start.size()) != std::string::npos)
            return true;
    }
    return false;
}

}  // namespace

std::string CountyLogPath(const std::string& outputDir, const std::string& input) {
    if (outputDir.empty()) return std::string();
    std::string folder = outputDir;
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder + "/" + platform::CountyBaseName(input) + ".log";
}

std::size_t LogSize(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 ? static_cast<std::size_t>(st.st_size) : 0;
}

std::string LogTextFrom(const std::string& path, std::size_t from) {
    if (path.empty()) return std::string();
    std::ifstream log(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    return from <= text.size() ? text.substr(from) : text;
}

std::string FirstFailureLine(const std::string& added) {
    std::istringstream lines(added);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, sizeof kRunStart - 1, kRunStart) == 0) {
            std::getline(lines, line);  // the edition
            continue;
        }
        if (line.find(' ') == std::string::npos || IsNotice(line)) continue;
        return line;
    }
    return std::string();
}

std::string FailureReport(const std::string& county, const std::string& logPath, const std::string& failureLine) {
    std::string report = "convert_county: " + county + " failed";
    if (!logPath.empty()) report += ": see " + logPath;
    if (!failureLine.empty()) report += ": " + failureLine;
    return report + "\n";
}

}  // namespace convertcounty
