#include "tigercore/county_run.h"

#include "shapeio/county_change.h"
#include "shapeio/stream_io.h"
#include "tigercore/county_job.h"
#include "tigercore/county_key.h"
#include "tigercore/edition_lengths.h"
#include "tigercore/shape_points.h"

#include <cerrno>

namespace tigercore {

CountyRun::CountyRun(CountyDialog& job, const CountyRunState& state) : job_(job), state_(state) {
    state_.status = 0;
}

std::string CountyRun::RecordFilePath(const std::string& suffix) const {
    const std::string& input = job_.inputPath;
    const std::string::size_type dot = input.rfind('.');
    const std::string stem = dot == std::string::npos ? input + "." : input.substr(0, dot + 1);
    return stem + suffix;
}

bool CountyRun::OpenRecordFile(const std::string& suffix, const char* message) {
    const std::string path = RecordFilePath(suffix);
    state_.recordFile = platform::OpenAnyCase(path, "r");
    if (state_.recordFile) return true;
    // Only a file that is not there is done without.
    if (errno != ENOENT) return CannotRead(path);
    if (message) state_.services.WriteLogLine(message);
    return false;
}

bool CountyRun::CannotRead(const std::string& path) {
    const std::string reason = shapeio::SystemReason();
    const std::string found = platform::FindFileAnyCase(path);
    state_.services.WriteLogLine("Could not read " + (found.empty() ? path : found) + reason +
                                 ": a file of the county that is there but cannot be read stops it");
    unreadable_ = true;
    state_.services.FailCounty();
    return false;
}

bool CountyRun::WriteRoadTable(bool hasRows, const char* text, Stage write) {
    if (!hasRows) return true;
    state_.services.ShowStatus(text);
    return Call(write);
}

bool CountyRun::OpenTypeAScratch(const std::string& path) {
    state_.typeAScratchFile = platform::OpenFile(path, "wb+");
    if (!state_.typeAScratchFile) {
        state_.recordFile.reset();
        state_.services.WriteLogLine("Could not open scratch file a.tmp" + std::string(" as ") + path +
                                     shapeio::SystemReason());
        state_.services.FailCounty();
        return false;
    }
    typeAScratchPath_ = path;
    return true;
}

bool CountyRun::StartCounty(const std::string& outputDir, bool mergedLayers, Stage readType1,
                            const std::string& typeISuffix) {
    ReleaseShapePoints();
    return OfEditionChosen(typeISuffix) &&
           StartCountyFiles(state_.scratchFolder, outputDir, job_.outputDirText, mergedLayers, job_.inputPath,
                            state_.recordFile, missingRequired_, state_.services) &&
           OfTheFoldersEdition() && Call(readType1);
}

bool CountyRun::OfEditionChosen(const std::string& typeISuffix) {
    std::string unreadable;
    std::string note = OtherFilesNote(job_.edition, job_.inputPath);
    if (note.empty()) note = OtherReleaseNote(job_.edition, job_.inputPath, RecordFilePath("met"), &unreadable);
    if (note.empty() && unreadable.empty()) {
        note = OtherFamilyNote(job_.edition, job_.inputPath, RecordFilePath(typeISuffix), &unreadable);
    }
    if (note.empty() && unreadable.empty()) return true;
    if (!unreadable.empty()) {
        CannotRead(unreadable);
    } else {
        state_.services.WriteLogLine(note);
        state_.services.FailCounty();
    }
    // Nothing of the county is kept: not even its folder.
    if (job_.outputDirMade) platform::RemoveEmptyFolder(job_.outputDirText);
    return false;
}

bool CountyRun::OfTheFoldersEdition() {
    shapeio::CountyChange* change = state_.services.Change();
    if (!change || !change->IsOpen()) return true;
    std::string others;
    for (const char edition : change->RecordedEditions()) {
        if (edition == job_.edition) continue;
        others += std::string(others.empty() ? "" : ", ") + EditionText(edition) + " (edition " + edition + ")";
    }
    if (others.empty()) return true;
    const std::string county = state_.services.CountyName();
    state_.services.WriteLogLine("The merged layers of " + change->Folder() + " hold counties of " + others + "; " +
                                 county + " is converted as " + EditionText(job_.edition) + " (edition " +
                                 job_.edition + "): a merged folder holds the counties of one edition, and " +
                                 county + " is not added to it");
    state_.services.FailCounty();
    return false;
}

bool CountyRun::IdentifyCounty(const std::string& typeISuffix, int codeColumn) {
    shapeio::CountyChange* change = state_.services.Change();
    if (!change || !change->IsOpen()) return true;
    shapeio::CountyKey key;
    const CountyKeyReading reading =
        ReadCountyKey(job_.inputPath, RecordFilePath(typeISuffix), codeColumn, job_.edition, key);
    if (!reading.failure.empty()) {
        const std::string county = state_.services.CountyName();
        state_.services.WriteLogLine(reading.failure + ": " + county +
                                     " cannot be told from the other counties of the merged layers of " +
                                     change->Folder() + " and is not added to them");
        state_.services.FailCounty();
        return false;
    }
    change->Identify(key, reading.known);
    return true;
}

bool CountyRun::EndCountyFiles(bool converted) {
    return tigercore::EndCountyFiles(state_.recordFile, state_.typeAScratchFile, typeAScratchPath_,
                                     state_.scratchFolder, converted, state_.services);
}

}  // namespace tigercore
