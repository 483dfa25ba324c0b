#include "support/commands.h"

#include <cstdio>
#include <cstdlib>

namespace testsupport {

bool HaveProgram(const std::string& program) {
    return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string CommandOutput(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen((command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

bool HaveOgrinfo() { return HaveProgram("ogrinfo"); }

const char kNoOgrinfo[] = "GDAL's ogrinfo is not installed (Debian package gdal-bin)";

std::string Ogrinfo(const std::string& options, const std::string& path, const std::string& layers) {
    return CommandOutput("ogrinfo -ro " + options + " '" + path + "' " + layers);
}

}  // namespace testsupport
