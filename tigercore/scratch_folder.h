// The scratch files of a county (a.tmp and the five polygon scratch files)
// live in a folder private to the process that converts it: made with a
// unique name beside the outputs when the county starts, removed with
// everything in it when the county ends. The process holds a lock (flock)
// on it while it lives, so that a later run removes only the folders of
// runs that have ended, whatever process or container they ran in. Two jobs
// converting into one folder never meet there, and a user's own files of
// those names are left alone.
#pragma once

#include "platform/folder_lock.h"
#include "shapeio/job_services.h"

#include <string>

namespace tigercore {

class ScratchFolder {
public:
    ScratchFolder() = default;
    ~ScratchFolder() { Remove(); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Makes a new folder in `parent` and holds it; false (and an empty path)
    // when it cannot be made. Folders there that no run holds go first.
    bool Make(const std::string& parent);
    // Holds the parent folder against every other job that holds it (an
    // advisory lock on the folder itself), waiting as long as another one
    // does; false when the folder cannot be locked. Remove() lets go.
    bool Hold(const std::string& parent, bool& waited);
    // Removes the folder and the files in it, and lets go of the parent.
    void Remove();
    // Removes the folder and the files in it; the parent stays held.
    void RemoveFolder();
    // The folder followed by '/', or "" when there is none.
    const std::string& path() const { return path_; }

private:
    std::string path_;
    platform::FolderLock heldFolder_;  // the parent, held for merged layers
    platform::FolderLock lock_;        // the folder itself
};

// Makes the county's scratch folder in `outputDir`, logging why when it
// cannot (the county fails). A county whose layers continue the files of
// earlier counties (`mergedLayers`) first holds the folder, so that two
// jobs never continue one layer at once (it logs that it waits when another
// job holds it), puts back the layers of a run that stopped half-way and
// opens its own change of them (shapeio/county_change.h), reading the
// folder's record of counties. Private files of runs that have ended are
// removed from the output folder and the county's `countyFolder` or,
// organised by theme (where that is the output folder), the layers' folders
// right below it: never from the folders of other counties, so that a
// county costs the same however many the output folder holds.
bool MakeCountyScratch(ScratchFolder& folder, const std::string& outputDir, const std::string& countyFolder,
                       bool mergedLayers, shapeio::JobServices& services);
// Ends the county: the merged files it was added to go into the folder's
// record, and its change of merged layers is committed, when it was
// `converted`, else undone; then the scratch folder goes. The output folder
// stays held. Whether the county stands converted.
bool EndCountyScratch(ScratchFolder& folder, bool converted, shapeio::JobServices& services);
// The run's very last step, once the county's log is complete: the commit
// list of its change goes (CountyChange::Finish) and the output folder is
// let go, so that a job waiting on it never finds the list of a run that
// ended.
void FinishCountyScratch(ScratchFolder& folder, shapeio::JobServices& services);

}  // namespace tigercore
