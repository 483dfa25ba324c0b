// The frame of a library's county driver: the record files it opens beside
// the type 1 file, the stages it calls until one abandons the county, the
// type A scratch file, and the county's first and last files. Each library's
// driver derives from it and keeps its own order of files, stages and
// layers.
#pragma once

#include "platform/files.h"
#include "shapeio/job_services.h"
#include "tigercore/county_dialog.h"
#include "tigercore/scratch_folder.h"

#include <cstddef>
#include <string>

namespace tigercore {

// What a driver reaches of its library's job state.
struct CountyRunState {
    platform::FilePtr& recordFile;        // the record file being read
    platform::FilePtr& typeAScratchFile;  // a.tmp
    ScratchFolder& scratchFolder;
    int& status;  // 0 go on, -1 the county is abandoned
    shapeio::JobServices& services;
};

class CountyRun {
public:
    using Stage = void (*)();

    // A polygon builder of a driver's list: its option flag, the builder and
    // what else must hold for it to run (null: nothing).
    struct GatedBuilder {
        int flag;
        Stage build;
        bool (*condition)();
    };

protected:
    // A new county: its status goes back to 0.
    CountyRun(CountyDialog& job, const CountyRunState& state);

    bool Flag(int i) const { return job_.layerFlags[static_cast<size_t>(i)] != 0; }
    // The county has been abandoned, or a record file of it could not be
    // read (which no later status undoes).
    bool Failed() const { return state_.status == -1 || unreadable_; }
    // Runs one stage, unless the county has been abandoned; false when it
    // has been.
    bool Call(Stage stage) {
        if (Failed()) return false;
        stage();
        return !Failed();
    }
    // The file of a record type: the type 1 path up to and with its last
    // '.' (a '.' added when it has none), then `suffix` ("rt2").
    std::string RecordFilePath(const std::string& suffix) const;
    // Opens a record file (of any case) into the record file; when it is
    // not there logs `message` (when given) and returns false. One that is
    // there but cannot be opened (or whose folder cannot be listed) fails
    // the county, logged with its reason (CannotRead).
    bool OpenRecordFile(const std::string& suffix, const char* message);
    // A file of the county at `path` that is there but could not be read
    // (errno says why): logged, the county failed. False.
    bool CannotRead(const std::string& path);
    // Opens a record file the county cannot do without; when it is missing
    // the county ends on a failure.
    bool OpenRequired(const std::string& suffix, const char* message) {
        if (OpenRecordFile(suffix, message)) return true;
        missingRequired_ = true;
        return false;
    }
    // Calls, in their order, the builders whose flag is set and whose
    // condition holds; false when the county has been abandoned.
    template <std::size_t N>
    bool CallBuilders(const GatedBuilder (&builders)[N]) {
        for (const GatedBuilder& b : builders) {
            if (!Flag(b.flag) || (b.condition && !b.condition())) continue;
            if (!Call(b.build)) return false;
        }
        return true;
    }
    // Writes a table of the roads (`write`) under the status `text`, when
    // its record types had rows (`hasRows`); false when the county has been
    // abandoned.
    bool WriteRoadTable(bool hasRows, const char* text, Stage write);
    // Makes the type A scratch file at `path`; when it cannot, the record
    // file is closed, the log says so and the county is abandoned.
    bool OpenTypeAScratch(const std::string& path);
    // The points of the last county's shapes let go; once the county's own
    // files leave the edition chosen standing (OfEditionChosen, its type I
    // file of `typeISuffix`), the county's scratch folder in `outputDir`
    // (StartCountyFiles), then, once the folder's merged layers hold no
    // counties of another edition, its type 1 file read by `readType1`; else
    // the county fails before anything is written. Whether the county goes
    // on.
    bool StartCounty(const std::string& outputDir, bool mergedLayers, Stage readType1,
                     const std::string& typeISuffix);
    // Whether the county's own files leave the edition chosen standing:
    // files of the family it reads (OtherFilesNote), of its family of
    // editions (OtherFamilyNote) and of its release (OtherReleaseNote). When
    // they do not, or one of them is there but cannot be read, the log says
    // so and the county is abandoned before anything is written: the
    // county's folder made for this run goes again.
    bool OfEditionChosen(const std::string& typeISuffix);
    // Tells the county's change of merged files which county it is
    // (county_key.h), from its type 1 file and the type I file of
    // `typeISuffix`, whose records carry the county code in the 5 columns
    // from `codeColumn`; before any merged file is opened. A county whose
    // type I rows do not give one code, or whose files cannot be read, fails
    // (logged): false when the county has been abandoned.
    bool IdentifyCounty(const std::string& typeISuffix, int codeColumn);
    // The county's files let go once the library has released its tables
    // (EndCountyFiles). Whether the county stands converted.
    bool EndCountyFiles(bool converted);

    CountyDialog& job_;
    bool missingRequired_ = false;  // a record file the county needs is missing

private:
    // Whether the merged folder's record holds only counties of the edition
    // chosen (or none); else logged, the county failed.
    bool OfTheFoldersEdition();

    CountyRunState state_;
    std::string typeAScratchPath_;  // set once a.tmp is made
    bool unreadable_ = false;       // a file of the county could not be read
};

}  // namespace tigercore
