#include "tigercore/county_job.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/private_file.h"
#include "platform/text.h"
#include "shapeio/kept_files.h"
#include "shapeio/layer_output.h"
#include "shapeio/stream_io.h"
#include "tigercore/shape_points.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/stat.h>

namespace tigercore {

namespace {

std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

shapeio::RunRecord RecordOfRun(const std::string& options, const std::string& input) {
    shapeio::RunRecord record;
    // The file read, whatever the case of its name.
    const std::string file = input.empty() ? input : platform::FindFileAnyCase(input);
    struct stat st;
    if (file.empty() || ::stat(file.c_str(), &st) != 0) return record;
    record.options = options;
    record.input = platform::AbsolutePath(file);
    record.inputLength = static_cast<long long>(st.st_size);
    record.modifiedSeconds = static_cast<long long>(st.st_mtim.tv_sec);
    record.modifiedNanoseconds = static_cast<long long>(st.st_mtim.tv_nsec);
    return record;
}

}  // namespace

CountyNames NameCounty(const std::string& inputPath) {
    CountyNames names;
    std::string extension = inputPath.size() >= 3 ? inputPath.substr(inputPath.size() - 3) : inputPath;
    names.baseName = platform::CountyBaseName(inputPath);
    names.namingPath = inputPath;
    if (names.baseName != platform::FileTitleOfPath(inputPath))
        names.namingPath = platform::DirectoryOfPath(inputPath) + names.baseName + "." + extension;
    names.extension = platform::ToUpper(extension);
    long codeStart = static_cast<long>(names.namingPath.size()) - 9;
    if (codeStart < 0) codeStart = 0;
    names.countyCode = names.namingPath.substr(static_cast<size_t>(codeStart), 5);
    return names;
}

bool HasOutputDirectory(const char* outputDir, const std::string& inputPath) {
    if (outputDir && *outputDir) return true;
    std::fprintf(stderr, "No output directory was given: county %s not converted\n", inputPath.c_str());
    return false;
}

platform::FilePtr OpenCountyLog(const std::string& path, const std::string& editionText,
                                const std::string& inputPath) {
    platform::FilePtr log = platform::OpenToAppend(path);
    if (!log) {
        const std::string why =
            errno == ELOOP ? " (a symbolic link stands there and is not followed)" : platform::NotRegularReason();
        std::fprintf(stderr, "Cannot open the log file %s%s: county %s not converted\n", path.c_str(), why.c_str(),
                     inputPath.c_str());
        return log;
    }
    std::tm start = LocalNow();
    std::fprintf(log.get(), "New Process started on %d/%d at %d:%02d\n", start.tm_mon + 1, start.tm_mday,
                 start.tm_hour, start.tm_min);
    std::fprintf(log.get(), "%s\n", editionText.c_str());
    std::fflush(log.get());
    return log;
}

void CloseCountyLog(platform::FilePtr& log, const std::string& path) {
    if (!log) return;
    std::tm end = LocalNow();
    std::fprintf(log.get(), "Process ended on %d/%d at %d:%02d\n\n\n", end.tm_mon + 1, end.tm_mday, end.tm_hour,
                 end.tm_min);
    if (!platform::CloseFile(log)) std::fprintf(stderr, "Could not write the log file %s completely\n", path.c_str());
}

void CloseCounty(platform::FilePtr& log, const std::string& logPath, ScratchFolder& folder,
                 shapeio::JobServices& services) {
    CloseCountyLog(log, logPath);
    FinishCountyScratch(folder, services);
}

CountyFolder MakeCountyFolder(std::FILE* log, const std::string& outputDir, const std::string& baseName,
                              char organisationMode) {
    CountyFolder county{outputDir, ""};
    bool make = false;
    switch (organisationMode) {
        case '0':
            county.folder = outputDir + "/" + baseName;
            county.optionText = "Organize by county";
            make = true;
            break;
        case '1':
            county.folder = outputDir + "/tigershapes";
            county.optionText = "All shapes in one directory";
            make = true;
            break;
        case '2': county.optionText = "Organize by Theme"; break;
        case '3': county.optionText = "Organize by Theme and Merge"; break;
        default: break;
    }
    if (make) {
        const bool made = platform::MakeDirectory(county.folder);
        county.made = made;
        county.refusedLink = platform::IsSymbolicLink(county.folder);
        if (log) {
            std::fprintf(log, made ? "directory %s created\n" : "directory %s not created\n", county.folder.c_str());
            if (county.refusedLink) std::fprintf(log, "%s\n", shapeio::LinkRefusal(county.folder).c_str());
            std::fflush(log);
        }
    }
    return county;
}

void WriteVersionFile(shapeio::JobServices& services, const std::string& outputPrefix, int version) {
    const std::string path = outputPrefix + "date.txt";
    if (shapeio::RefusesLink(services, path)) return;
    // Made durable with the county's layers, in a county.
    shapeio::KeptFiles* kept = shapeio::KeptInCounty(services);
    if (platform::WriteWholeFile(path, platform::Format("%04d", version), !kept)) {
        if (kept) kept->Add(path);
        return;
    }
    services.WriteLogLine(platform::Format("Could not create version file %s (%s)", path.c_str(), std::strerror(errno)));
}

bool StartCountyFiles(ScratchFolder& folder, const std::string& outputDir, const std::string& countyFolder,
                      bool mergedLayers, const std::string& inputPath, platform::FilePtr& recordFile,
                      bool& missingFile, shapeio::JobServices& services) {
    if (!MakeCountyScratch(folder, outputDir, countyFolder, mergedLayers, services)) return false;
    recordFile = platform::OpenAnyCase(inputPath, "r");
    if (recordFile) return true;
    if (errno == ENOENT) {
        services.WriteLogLine(platform::Format("Could not open file %s. Program will terminate", inputPath.c_str()));
    } else {
        // There, but not to be read: the line says why.
        const std::string reason = shapeio::SystemReason();
        services.WriteLogLine(platform::Format("Could not open file %s%s. Program will terminate", inputPath.c_str(),
                                               reason.c_str()));
    }
    missingFile = true;
    return false;
}

bool EndCountyFiles(platform::FilePtr& recordFile, platform::FilePtr& typeAScratchFile,
                    const std::string& typeAScratchPath, ScratchFolder& folder, bool converted,
                    shapeio::JobServices& services) {
    recordFile.reset();
    ReleaseShapePoints();
    if (!typeAScratchPath.empty()) {
        typeAScratchFile.reset();
        platform::RemoveFile(typeAScratchPath);
    }
    return EndCountyScratch(folder, converted, services);
}

bool OpenCounty(const CountyOpening& opening, const std::string& inputPath, OpenedCounty& opened) {
    const bool unpacked = opening.archivePath && *opening.archivePath;
    const std::string input = unpacked ? opening.archivePath : inputPath;
    opened.names = NameCounty(input);
    opened.record = RecordOfRun(opening.options, input);
    const std::string given = opening.outputDir ? opening.outputDir : "";
    opened.outputDir = given;
    if (!opened.outputDir.empty() && opened.outputDir.back() == '/') opened.outputDir.pop_back();
    opened.logPath = (opening.logPathUntrimmed ? given : opened.outputDir) + "/" + opened.names.baseName + ".log";
    opened.log = OpenCountyLog(opened.logPath, opening.editionText, inputPath);
    if (!opened.log) return false;
    opened.zipInput = !unpacked && opened.names.extension == "ZIP";
    opened.county = MakeCountyFolder(opened.log.get(), opened.outputDir, opened.names.baseName, opening.organisationMode);
    if (opened.county.refusedLink) {
        CloseCountyLog(opened.log, opened.logPath);
        return false;
    }
    return true;
}

}  // namespace tigercore
