// The change a county makes to the layer files of a merged folder
// (organisation '3'). Every file it continues or puts in place there is
// journaled (journal.h), and the journals live until the county ends: a
// county that ends converted commits its change at once, one that fails has
// every file put back as it was before it. A later run that finds the
// journals of a stopped run puts their files back before it changes
// anything (RecoverStoppedChanges). The folder's record of the counties its
// merged files hold (county_record.h) is part of the change: a county is
// never added twice to a file.
#pragma once

#include "shapeio/county_record.h"
#include "shapeio/job_services.h"
#include "platform/private_file.h"
#include "shapeio/journal.h"

#include <memory>
#include <string>
#include <vector>

namespace shapeio {

class CountyChange {
public:
    // Opens the change of a county whose merged layers lie in `folder` (the
    // output folder, which the county holds against other jobs until its
    // run ends) and reads the folder's record of counties. False (logged,
    // the county failed) when the record cannot be read or is damaged.
    // `heldBefore`: the files (relative to the folder) that hold this very
    // run of the county, as the commit list of a stopped run of an earlier
    // version names them (RecoverStoppedChanges); they are passed over and
    // recorded.
    bool Open(const std::string& folder, JobServices& services, const std::vector<std::string>& heldBefore = {});
    bool IsOpen() const { return open_; }
    const std::string& Folder() const { return folder_; }
    // The edition characters of the counties the folder's record holds.
    const std::string& RecordedEditions() const { return record_.Editions(); }
    // The county as the folder's record knows it (`key`; not `known`: a
    // county that cannot be told, which is added unchecked: the record gives
    // the sizes it leaves but never takes it for held), once its records
    // tell it and before any merged file is opened.
    void Identify(const CountyKey& key, bool known);
    // Whether the merged file `path` agrees with the folder's record, before
    // the county relies on the record for it: the file is as long as the
    // record's last line of it says (a record of version 1, a file it does
    // not name or one that is not there agree), and a shapefile has all its
    // files or none (shapefile_parts.h). False (logged, the county failed)
    // when they disagree.
    bool Agrees(const std::string& path, JobServices& services) const;
    // Whether the merged file `path` holds the county already: the record
    // names it so, and the file is there and not empty.
    bool Holds(const std::string& path) const;
    // The merged file `path` holds the county and is passed over for it.
    void PassOver(const std::string& path) { passedOver_.push_back(path); }
    // The county was added to the merged file `path` (`made`: the file was
    // made anew), to be recorded when the change is committed.
    void Added(const std::string& path, bool made) { added_.push_back({path, made}); }
    // Once the county's files are written, before they are made durable:
    // says once, on screen and in the log, which files held the county and
    // were passed over, and, for a county `converted`, adds the files it was
    // added to to the record (journaled, made durable with the county's
    // files). False (logged, the county failed) when the record could not be
    // written.
    bool Record(JobServices& services, bool converted);
    // The county's journal (kChangeJournalName in the folder): one for the
    // county, however many layers continue the files it guards.
    Journal& TheJournal(JobServices& services);
    // Whether the county changes any merged file: its commit then makes
    // every file of the county durable (its kept files too).
    bool Changes() const { return journal_ && (journal_->Written() || journal_->Deferred()); }
    // `path` is removed when the change is committed (a table that was left
    // without rows); it stays when the change is undone.
    void RemoveAtCommit(const std::string& path) { removals_.push_back(path); }
    // Ends the change: committed when `converted`, else undone and logged
    // ("The merged layers of <folder> were put back as they were before
    // this county"). A commit takes three flushes of the folder's file
    // system (JobServices::Kept): the journal, with what every file it
    // guards was, and every byte the county wrote are on disk; then what the
    // change deferred is written in (Journal::Apply) and on disk; then the
    // commit list is, before the journal goes. False when that could not be
    // done: the county is failed, its files put back, and what is still
    // journaled is put back by the next run. A committed change whose journal
    // cannot be removed is logged and leaves its commit list, so that the
    // next run removes that journal. A commit leaves its list in place until
    // Finish.
    bool End(JobServices& services, bool converted);
    // The run's very last step, once its log is complete: removes the
    // commit list, after which the change is done. A list that cannot be
    // removed is said on screen and marked as that of a run that ended.
    void Finish(JobServices& services);

private:
    bool Commit(JobServices& services);
    bool Undo(JobServices& services);
    // Adds the files the county was added to to the record; false (logged,
    // the county failed) when it could not be written.
    bool WriteRecord(JobServices& services);
    // `path` relative to the folder; "" when it lies elsewhere.
    std::string Relative(const std::string& path) const;
    // Removes the tables the change left without rows.
    bool RemoveLeftWithoutRows();

    std::string folder_;
    bool open_ = false;
    // The commit list placed, which Finish removes, and what follows its
    // first word.
    bool listPlaced_ = false;
    std::string listBody_;
    std::unique_ptr<Journal> journal_;
    std::vector<std::string> removals_;
    // The county as the record knows it.
    bool identified_ = false;
    CountyKey key_;
    CountyRecord record_;
    std::vector<std::string> heldBefore_;
    std::vector<std::string> passedOver_;
    struct AddedFile {
        std::string path;
        bool made;
    };
    std::vector<AddedFile> added_;
};

// Whether the county of `services` is in the merged file `path` already
// (its folder's record says so): the file is passed over for it, which the
// county says at its end (CountyChange::Record). True too when the county
// has failed, or fails here because the file and the record disagree
// (CountyChange::Agrees): nothing more is written. False when the county
// makes no change of merged files.
bool AlreadyMerged(JobServices& services, const std::string& path);
// The county of `services` was added to the merged file `path` (`made`: the
// file was made anew), when it makes a change of merged files.
void NoteMerged(JobServices& services, const std::string& path, bool made);

// Puts the county's own file `made` (its .met copy) in place beside the
// layers: in a merged folder whose layers the county changes, with its
// commit (journaled: a county undone or stopped takes it away again, or
// puts back the one it replaced); a county that failed without changing
// them leaves none; else at once, made durable with the county's files.
// False (errno set) when it could not be placed.
bool PlaceCountyFile(JobServices& services, platform::PrivateFile& made);

// Before a merged county changes anything in `folder` (held against other
// jobs): finishes the commit of a run that stopped after it placed its
// commit list, and puts back the files of every journal in the folder and
// the folders right below it (not reached through links), logging each.
// A finished commit is said on screen, in this county's log and in the
// stopped county's log ("<county> was converted whole into the merged
// layers of <folder> before its run stopped: running it again passes it
// over"; "A county ..." when its list does not name it): the folder's
// record holds it. A list of an earlier version that names its run (and
// kept no record) is honoured as that version did: when this is the very
// same run of its county (options, input, its length and time), the files
// its journals guard hold the county (`heldBefore`, relative to the
// folder), and its first line stays until this run's commit records them;
// of any other run it says "...: running it again adds it again". A
// stopped run whose journals put its files back is said once in the same
// three places ("<county>'s run stopped before it ended: the merged layers
// of <folder> were put back without it; converting it again adds it"; "A
// county's ..." when no journal names it). False (logged, the county
// failed) when the list is damaged (no regular file, longer than any list
// a run writes, a first line that names anything but a plain county name
// and "<county>.log", or a line that is no journal of the folder or a
// folder right below it, or reaches one through a link: nothing is touched
// and it is left for a person), a journal's files cannot be put back or a
// journal cannot be removed.
bool RecoverStoppedChanges(const std::string& folder, JobServices& services, std::vector<std::string>& heldBefore);

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
