#include "shapeio/shapefile_parts.h"

#include "platform/paths.h"

#include <sys/stat.h>
#include <vector>

namespace shapeio {

namespace {

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    }
    return text;
}

}  // namespace

std::vector<std::string> ShapefileParts(const std::string& shpPath) {
    const std::string stem = shpPath.substr(0, shpPath.size() - 4);
    return {stem + ".shp", stem + ".shx", stem + ".dbf"};
}

bool MergedShapefileWhole(const std::string& shpPath, JobServices& services) {
    const std::string stem = shpPath.substr(0, shpPath.size() - 4);
    std::vector<std::string> there, missing;
    bool emptyIndex = false;
    for (const std::string& part : ShapefileParts(shpPath)) {
        struct stat st;
        const bool present = ::lstat(part.c_str(), &st) == 0;
        // What is no regular file is refused by the writer that meets it.
        if (present && !S_ISREG(st.st_mode)) return true;
        const bool empty = present && st.st_size == 0 && platform::ExtensionOfPath(part) == "shx";
        emptyIndex = emptyIndex || empty;
        (present && !empty ? there : missing).push_back(platform::FileNameOfPath(part));
    }
    if (there.empty() || missing.empty()) return true;
    services.WriteLogLine("The merged shapefile " + stem + " is not whole: " + Listed(there) +
                          (there.size() > 1 ? " are" : " is") + " there without " + Listed(missing) +
                          (emptyIndex ? " (the index file is empty)" : "") +
                          "; its files go together: remove all of them to make the layer anew");
    services.FailCounty();
    return false;
}

}  // namespace shapeio
