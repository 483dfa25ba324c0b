// What both libraries' entries do alike for a county: the names its outputs
// take from its input path, its log's first and last lines, and its output
// folder by the organisation.
#pragma once

#include "platform/files.h"
#include "shapeio/job_services.h"
#include "tigercore/scratch_folder.h"

#include <string>

namespace tigercore {

// What a library's display call returns: the county was converted, or it
// ended on a failure (its log says which).
constexpr int kCountyConverted = 0;
constexpr int kCountyFailed = 1;

// The shape of a library's display entries, as the front end binds them:
// the county's first record file (or a .zip holding it), the output parent
// directory, the options string, the county's number and the job's count
// ("Processing county %d of %d"); the Unpacked entries also take the
// archive the caller unpacked the county from.
using DisplayEntry = int(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                         int countyCount);
using UnpackedDisplayEntry = int(const char* inputPath, const char* outputDir, const char* options,
                                 int countyNumber, int countyCount, const char* archivePath);

struct CountyNames {
    // The input path's file title; a title of 9 or more characters keeps its
    // first 3 and last 5. Output names and the log name start with it.
    std::string baseName;
    // The input path with the base name for its title (the record files keep
    // their real names).
    std::string namingPath;
    // The last three characters of the input path, in upper case.
    std::string extension;
    // The five characters before the extension's dot of the naming path:
    // the state and county code of TGR47001.RT1.
    std::string countyCode;
};
CountyNames NameCounty(const std::string& inputPath);

// Whether the caller named an output directory; an empty or missing one is
// said on standard error (nothing is converted: it would write into the
// root of the file system).
bool HasOutputDirectory(const char* outputDir, const std::string& inputPath);

// Opens the county's log for appending and writes its first lines: the
// start time and the edition's text. A log that cannot be opened (or is a
// symbolic link, never followed, or no regular file, never waited on) is
// said on standard error (nothing can be converted without it): null.
platform::FilePtr OpenCountyLog(const std::string& path, const std::string& editionText,
                                const std::string& inputPath);
// Writes the end time and closes the log.
void CloseCountyLog(platform::FilePtr& log, const std::string& path);
// The county's end, once its driver has run: the log closed
// (CloseCountyLog), then the run's last step (FinishCountyScratch).
void CloseCounty(platform::FilePtr& log, const std::string& logPath, ScratchFolder& folder,
                 shapeio::JobServices& services);

struct CountyFolder {
    std::string folder;        // the county's output folder, no trailing '/'
    std::string optionText;    // the organisation as the progress dialog shows it
    bool refusedLink = false;  // a symbolic link stands where the folder goes: nothing is converted
    bool made = false;         // made for this run
};
// The output folder by the organisation: '0' a folder per county, '1' one
// folder for all, made here with their log line (and the refusal of a link
// found there); '2' and '3' the output directory itself (the layers make
// their theme folders).
CountyFolder MakeCountyFolder(std::FILE* log, const std::string& outputDir, const std::string& baseName,
                              char organisationMode);

// What a display step knows before it opens the county: the caller's
// output directory and archive (a non-empty `archivePath` names the county after the archive the
// caller unpacked), the edition's text for the log, the organisation, and
// whether the log path joins the output directory as given (a trailing '/'
// kept) or once trimmed.
struct CountyOpening {
    const char* outputDir = nullptr;
    const char* archivePath = nullptr;
    std::string options;  // the whole options string, for the run's record
    std::string editionText;
    char organisationMode = '0';
    bool logPathUntrimmed = false;
};
struct OpenedCounty {
    CountyNames names;
    std::string outputDir;  // no trailing '/'
    std::string logPath;
    platform::FilePtr log;
    bool zipInput = false;  // the input is a zip archive the converter unpacks
    CountyFolder county;
    // The run: the options and the file read, the archive for a county
    // that comes in one.
    shapeio::RunRecord record;
};
// Names the county, opens its log (OpenCountyLog) and makes its output
// folder (MakeCountyFolder). False when the log cannot be opened or a link
// is refused (the log then closed).
bool OpenCounty(const CountyOpening& opening, const std::string& inputPath, OpenedCounty& opened);

// Writes the county's VERSION into "date.txt" of the county's output folder
// (`outputPrefix`, ending in '/'), whole or not at all. The county does not
// depend on the file: one that cannot be written is logged with its reason
// and passed over, but a symbolic link standing there is refused (logged,
// the county failed).
void WriteVersionFile(shapeio::JobServices& services, const std::string& outputPrefix, int version);

// The county's first files, as both drivers open them: its scratch folder
// (MakeCountyScratch), then its type 1 file `inputPath` (of any case) into
// `recordFile`. A type 1 file that cannot be opened is logged ("Could not
// open file <path>. Program will terminate") and sets `missingFile`.
// Whether the county goes on.
bool StartCountyFiles(ScratchFolder& folder, const std::string& outputDir, const std::string& countyFolder,
                      bool mergedLayers, const std::string& inputPath, platform::FilePtr& recordFile,
                      bool& missingFile, shapeio::JobServices& services);

// The county's files let go at its end, once the driver has released its
// tables: the record file, the points of the shape being built, the type A
// scratch file (closed and removed at `typeAScratchPath`, when not empty),
// then the scratch folder (EndCountyScratch). Whether the county stands
// converted.
bool EndCountyFiles(platform::FilePtr& recordFile, platform::FilePtr& typeAScratchFile,
                    const std::string& typeAScratchPath, ScratchFolder& folder, bool converted,
                    shapeio::JobServices& services);

}  // namespace tigercore
