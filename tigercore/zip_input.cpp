#include "tigercore/zip_input.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "shapeio/layer_output.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace tigercore {

UnpackedCounty UnpackCounty(platform::ZipControl& zip, const std::string& archive, const std::string& unzipFolder,
                            const std::string& masks, const std::string& typeOneSuffix,
                            const std::string& fallbackName, platform::FolderLock& hold,
                            shapeio::JobServices& services) {
    UnpackedCounty county;
    county.typeOnePath = unzipFolder + "/" + fallbackName;
    bool waited = false;
    switch (zip.HoldExtractFolder(unzipFolder, archive, hold, waited)) {
        case platform::ZipControl::FolderHold::kHeld: break;
        case platform::ZipControl::FolderHold::kLink:
            // Nothing is unpacked through a link planted where the folder goes.
            services.WriteLogLine(shapeio::LinkRefusal(unzipFolder));
            services.FailCounty();
            county.failed = true;
            return county;
        case platform::ZipControl::FolderHold::kNotHeld:
            services.WriteLogLine("Could not hold the folder " + unzipFolder + " to unpack " + archive + " (" +
                                  std::strerror(errno) + ")");
            county.failed = true;
            return county;
    }
    if (waited) services.WriteLogLine("Waited for another job that unpacked into " + unzipFolder);
    zip.SetFileSpecs(masks);

    // The type 1 file is taken under the name the archive holds.
    const std::string suffix = platform::ToLower(typeOneSuffix);
    std::vector<std::string> typeOneNames;
    auto listing = std::move(zip.OnListingFile);
    zip.OnListingFile = [&typeOneNames, &suffix](const std::string& name) {
        std::string lower = platform::ToLower(name);
        if (lower.size() > suffix.size() && lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0)
            typeOneNames.push_back(name);
    };
    short listed = zip.ListMatchingFiles();
    zip.OnListingFile = std::move(listing);
    const std::string typeOneName = typeOneNames.empty() ? std::string() : typeOneNames.front();
    // An archive of several counties: the first is converted, and the log
    // names it and each one that is not.
    if (typeOneNames.size() > 1) {
        services.WriteLogLine("The archive " + archive + " holds " + std::to_string(typeOneNames.size()) +
                              " counties: " + typeOneName + " is converted");
        for (size_t k = 1; k < typeOneNames.size(); ++k)
            services.WriteLogLine(typeOneNames[k] + " of the archive " + archive + " is not converted");
    }
    for (const std::string& message : zip.Messages()) services.WriteLogLine(message);
    if (listed == platform::ZipControl::kNothingMatches) services.ShowMessage("cound not find files to unzip");
    else if (listed != platform::ZipControl::kSuccess) services.ShowMessage("could not read the archive " + archive);

    // What an earlier job of this county left in the folder would be read
    // with what this archive holds.
    const std::string typeOneFile = typeOneName.empty() ? fallbackName : typeOneName;
    for (const std::string& line : zip.RemoveLeftovers(hold, platform::FileTitleOfPath(typeOneFile)))
        services.WriteLogLine(line);

    if (listed == platform::ZipControl::kSuccess) {
        county.failed = zip.ExtractFiles(0) != platform::ZipControl::kSuccess;
        for (const std::string& message : zip.Messages()) services.WriteLogLine(message);
    } else if (listed != platform::ZipControl::kNothingMatches) {
        county.failed = true;
    }
    if (!typeOneName.empty()) county.typeOnePath = unzipFolder + "/" + typeOneName;
    return county;
}

}  // namespace tigercore
