// What the shared writers and layer code need of the county job of the
// library that calls them: the log, the county's failure status and the
// progress dialog. Each library hands its own implementation in; the shared
// code never names a library's globals.
#pragma once

#include <string>

namespace shapeio {

class CountyChange;
class KeptFiles;

// What tells one run of a county from another: its whole options string and
// the file it was read from (its type 1 file, or the archive it came in) by
// that file's absolute path, length and modification time. An empty input:
// not known.
struct RunRecord {
    std::string options;
    std::string input;
    long long inputLength = 0;
    long long modifiedSeconds = 0;
    long long modifiedNanoseconds = 0;

    bool operator==(const RunRecord& other) const {
        return options == other.options && input == other.input && inputLength == other.inputLength &&
               modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds;
    }
};

class JobServices {
public:
    virtual ~JobServices() = default;
    // One message line of the log: the text followed by a line end.
    virtual void WriteLogLine(const std::string& text) = 0;
    // Text written to the log exactly as given (notices with their own line ends).
    virtual void WriteLogText(const std::string& text) = 0;
    // The county is abandoned: the driver stops at its next test.
    virtual void FailCounty() = 0;
    virtual bool CountyFailed() const = 0;
    // The progress dialog.
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowLayer(const std::string& text) = 0;
    virtual void SetProgress(int percent) = 0;
    // A message box that never blocks (also written to the log).
    virtual void ShowMessage(const std::string& text) = 0;
    // The county's name (its base name) and the path of its log; empty for
    // a job that has none.
    virtual std::string CountyName() const { return std::string(); }
    virtual std::string LogPath() const { return std::string(); }
    // This run of the county; an empty record for a job that keeps none.
    virtual RunRecord Record() const { return RunRecord(); }
    // The change the county makes to merged layer files (county_change.h);
    // null for a job that keeps none.
    virtual CountyChange* Change() { return nullptr; }
    // The files the county has kept, made durable when it ends
    // (kept_files.h); null: each file is made durable as it is closed.
    virtual KeptFiles* Kept() { return nullptr; }
};

}  // namespace shapeio
