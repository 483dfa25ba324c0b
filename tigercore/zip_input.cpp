#include "tigercore/zip_input.h"

#include "platform/files.h"

namespace tigercore {

std::string UnpackCounty(platform::ZipControl& zip, const std::string& archive, const std::string& unzipFolder,
                         const std::string& masks, const std::string& typeOneSuffix, const std::string& fallbackName,
                         shapeio::JobServices& services) {
    platform::MakeDirectory(unzipFolder);
    zip.SetExtractFolder(unzipFolder);
    zip.SetZipFileName(archive);
    zip.SetFileSpecs(masks);

    // The type 1 file is taken under the name the archive holds.
    const std::string suffix = platform::ToLower(typeOneSuffix);
    std::string typeOneName;
    auto listing = std::move(zip.OnListingFile);
    zip.OnListingFile = [&typeOneName, &suffix](const std::string& name) {
        std::string lower = platform::ToLower(name);
        if (typeOneName.empty() && lower.size() > suffix.size() &&
            lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0)
            typeOneName = name;
    };
    short listed = zip.ListMatchingFiles();
    zip.OnListingFile = std::move(listing);
    for (const std::string& message : zip.Messages()) services.WriteLogLine(message);
    if (listed == platform::ZipControl::kNothingMatches) services.ShowMessage("cound not find files to unzip");
    else if (listed != platform::ZipControl::kSuccess) services.ShowMessage("could not read the archive " + archive);

    if (listed == platform::ZipControl::kSuccess) {
        zip.ExtractFiles(0);
        for (const std::string& message : zip.Messages()) services.WriteLogLine(message);
    }
    return unzipFolder + "/" + (typeOneName.empty() ? fallbackName : typeOneName);
}

}  // namespace tigercore
