#include "county_log.h"

#include "exports/county_exports.h"
#include "platform/appended_lines.h"

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
    {"Removed ", ", left in "},
    {"", " was converted whole into the merged layers of "},
    {"", ": it is not added again"},
    {"The merged layers of ", " hold counties merged before their record "},
    {"", " has no type I record to tell it by: "},
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

std::string FirstFailureLine(const std::vector<std::string>& added) {
    for (size_t i = 0; i < added.size(); ++i) {
        const std::string& line = added[i];
        if (line.compare(0, sizeof kRunStart - 1, kRunStart) == 0) {
            ++i;  // the edition
            continue;
        }
        if (line.find(' ') == std::string::npos || IsNotice(line)) continue;
        return line;
    }
    return std::string();
}

std::string FailureReport(const std::string& county, const std::string& logPath,
                          const std::vector<std::string>& added, const std::string& cause) {
    std::string report = "convert_county: " + county + " failed";
    if (!logPath.empty()) report += ": see " + logPath;
    const std::string failureLine = cause.empty() || IsNotice(cause) ? FirstFailureLine(added) : cause;
    if (!failureLine.empty()) report += ": " + failureLine;
    const std::string editionLine = platform::FirstLineStartingWith(added, PELLARD_EDITION_CHOSEN);
    // The edition's line follows, unless it is the failure's own.
    if (!editionLine.empty() && editionLine != failureLine) report += "\n" + editionLine;
    return report + "\n";
}

}  // namespace convertcounty
