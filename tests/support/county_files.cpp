#include "support/county_files.h"

#include "conv1/display.h"
#include "conv2/display.h"
#include "county_writer.h"
#include "support/temp_dir.h"

#include <sstream>

namespace testsupport {

std::string Options(char edition, char organisation, std::initializer_list<int> flags) {
    std::string options(86, '0');
    options[53] = edition;
    options[79] = organisation;
    for (int f : flags) options[static_cast<size_t>(f)] = '1';
    return options;
}

void WriteEmptyRecordFiles(const std::string& dir, const std::string& stem,
                           std::initializer_list<const char*> suffixes) {
    for (const char* suffix : suffixes) WriteFile(dir + "/" + stem + "." + suffix, "");
}

std::string LogMessages(const std::string& logText) {
    std::istringstream lines(logText);
    std::string line, kept;
    while (std::getline(lines, line)) {
        if (line.empty() || line.rfind("New Process started on ", 0) == 0 ||
            line.rfind("Process ended on ", 0) == 0 || line.rfind("TIGER 200", 0) == 0 ||
            line.rfind("First Edition TIGER 2004", 0) == 0 || line.rfind("Second Edition TIGER 2004", 0) == 0)
            continue;
        kept += line + "\n";
    }
    return kept;
}

std::string LogOf(const std::string& folder, const std::string& baseName) {
    return LogMessages(ReadFile(folder + "/" + baseName + ".log"));
}

int ConvertCounty(const std::string& input, const std::string& out, const std::string& options, int countyNumber,
                  int countyCount) {
    return vornak2::DisplayV2(input.c_str(), out.c_str(), options.c_str(), countyNumber, countyCount);
}

std::string OldOptions(char edition, char organisation, std::initializer_list<int> flags) {
    std::string options(56, '0');
    options[53] = edition;
    options[50] = organisation;
    for (int f : flags) options[static_cast<size_t>(f)] = '1';
    return options;
}

int ConvertOldCounty(const std::string& input, const std::string& out, const std::string& options,
                     int countyNumber, int countyCount) {
    return vornak::Display(input.c_str(), out.c_str(), options.c_str(), countyNumber, countyCount);
}

std::pair<std::string, std::string> WriteTwoCounties(const std::string& dir, char edition) {
    countygen::CountySpec spec;
    spec.edition = edition;
    const std::string first = countygen::WriteCounty(spec, dir).type1Path;
    spec.county = "903";
    return {first, countygen::WriteCounty(spec, dir).type1Path};
}

}  // namespace testsupport
