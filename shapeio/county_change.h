// The change a county makes to the layer files of a merged folder
// (organisation '3'). Every file it continues or puts in place there is
// journaled (journal.h), and the journals live until the county ends: a
// county that ends converted commits its change at once, one that fails has
// every file put back as it was before it. A later run that finds the
// journals of a stopped run puts their files back before it changes
// anything (RecoverStoppedChanges).
#pragma once

#include "shapeio/job_services.h"
#include "shapeio/journal.h"

#include <memory>
#include <string>
#include <vector>

namespace shapeio {

class CountyChange {
public:
    // Opens the change of a county whose merged layers lie in `folder` (the
    // output folder, which the county holds against other jobs).
    void Open(const std::string& folder);
    bool IsOpen() const { return open_; }
    // The county's journal at `path`: one for the county, however many
    // layers continue the files it guards.
    Journal& JournalAt(const std::string& path);
    // `path` is removed when the change is committed (a table that was left
    // without rows); it stays when the change is undone.
    void RemoveAtCommit(const std::string& path) { removals_.push_back(path); }
    // Ends the change, after the county's files were made durable
    // (SyncKeptFiles): committed when `converted`, else undone and logged
    // ("The merged layers of <folder> were put back as they were before
    // this county"). False when that could not be done: the county is
    // failed, and what is still journaled is put back by the next run. A
    // committed change whose journal cannot be removed is logged and leaves
    // its commit list, so that the next run removes that journal.
    bool End(JobServices& services, bool converted);

private:
    bool Commit(JobServices& services);
    bool Undo(JobServices& services);
    // Removes the tables the change left without rows.
    bool RemoveLeftWithoutRows();

    std::string folder_;
    bool open_ = false;
    std::vector<std::unique_ptr<Journal>> journals_;
    std::vector<std::string> removals_;
};

// Before a merged county changes anything in `folder` (held against other
// jobs): finishes the commit of a run that stopped while committing, and
// puts back the files of every journal in the folder and the folders right
// below it (not reached through links), logging each. A finished commit is
// said on screen, in this county's log and in the stopped county's log
// ("<county> was converted whole into the merged layers of <folder> before
// its run stopped: running it again adds it again"; "A county ..." when its
// list does not name it). False (logged, the county failed) when a
// journal's files cannot be put back or a journal cannot be removed.
bool RecoverStoppedChanges(const std::string& folder, JobServices& services);

// The journal of one layer's files: the county's when a county change is
// open (kept until the county ends), else one of the layer's own, removed
// as soon as the layer's files are complete or put back (Done).
class LayerJournal {
public:
    // The journal of the files "<stem>" and "<stem>.<ext>".
    void Use(JobServices& services, const std::string& stem);
    Journal& get() { return *journal_; }
    // The layer's files are complete, or put back by its writer. A journal
    // of the layer's own goes once the county's files are durable; it stays
    // when they cannot be made so, or when it cannot be removed (logged; the
    // county is failed).
    void Done();

private:
    JobServices* services_ = nullptr;
    std::unique_ptr<Journal> own_;
    Journal* journal_ = nullptr;
};

}  // namespace shapeio
