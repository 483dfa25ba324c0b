#include "shapeio/county_change.h"

#include "platform/paths.h"
#include "platform/private_file.h"
#include "shapeio/guarded_file.h"
#include "shapeio/kept_files.h"
#include "shapeio/layer_output.h"
#include "shapeio/shapefile_parts.h"
#include "shapeio/stream_io.h"

#include <cstdio>
#include <set>
#include <sstream>

namespace shapeio {

// A change is committed through a list of its journals in the folder,
// written before the first is removed and removed as the run's very last
// step, once its log is complete (Finish): a run stopped in between, or a
// journal that could not be removed, leaves the list, and the next run
// removes the journals it names instead of putting their files back. The
// list's first line names the run's county:
//   "pellard commit <c> <l> <county><log>"
// with <c> and <l> the lengths of the texts they precede; the county is a
// plain name (no '/', no control character) and its log "<county>.log" in
// the folder, or both are empty. Earlier versions, which kept no record of
// counties, named the run too, after a named county: " <o> <i> <length> <s>
// <ns> <options><input>" (<o> and <i> the lengths of the texts they
// precede; the input's absolute path, its length and modification time):
// a list of that form left by a stopped run is honoured as those versions
// did, when the very same run comes next (RecoverStoppedChanges). A list left by a
// run that ended starts "pellard ended ...". The journals follow, one a line,
// relative to the folder, each in the folder or a folder right below it. A
// list without the first line (as older runs wrote them) is read as one of a
// stopped run whose county is not known. A list that is no regular file, is
// empty or longer than any list a run writes, or holds anything else is
// damaged.

namespace {

constexpr char kCommitList[] = ".pellard-committed";
// Far above the longest list a run writes (its first line, with the input's
// path, and a line for each layer).
constexpr size_t kCommitListBound = 64 * 1024;

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() > ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// The files of the merged layer `path`: a shapefile's three, else itself.
std::vector<std::string> FilesOfLayer(const std::string& path) {
    return EndsWith(path, ".shp") ? ShapefileParts(path) : std::vector<std::string>{path};
}

// Whether `relative` names a journal in the folder or a folder right below
// it, as the commit list names them.
bool JournalName(const std::string& relative) {
    return EndsWith(relative, kJournalEnding) && NameInFolderOrBelow(relative);
}

// Whether the journal `relative` of the list, or its folder, is a link
// below `folder`: removing it would reach outside the folder.
bool ThroughLink(const std::string& folder, const std::string& relative) {
    const size_t slash = relative.find('/');
    return (slash != std::string::npos &&
            platform::KindOfPath(folder + "/" + relative.substr(0, slash)) == platform::PathKind::kLink) ||
           platform::KindOfPath(folder + "/" + relative) == platform::PathKind::kLink;
}

constexpr char kStoppedHead[] = "pellard commit ";
constexpr char kEndedHead[] = "pellard ended ";

// What follows the first word of the list's first line, for this run.
std::string HeadBody(const std::string& county) {
    // A county that is no plain name is not named.
    const std::string name = PlainName(county) ? county : std::string();
    const std::string log = name.empty() ? std::string() : name + ".log";
    return std::to_string(name.size()) + " " + std::to_string(log.size()) + " " + name + log + "\n";
}

// The first line of a commit list as read back.
struct ListHeadText {
    size_t length = 0;     // 0: the list has none
    bool damaged = false;  // a first line that cannot be read, or names anything else
    bool ended = false;    // the run ended itself, leaving the list
    std::string county;    // empty when not known
    bool named = false;    // the run is named, as earlier versions named it
    RunRecord run;
};

// A number of the head at `at` and the blank behind it.
bool TakeNumber(const std::string& text, size_t& at, long long& value) {
    size_t end = at;
    while (end < text.size() && end - at < 18 && text[end] >= '0' && text[end] <= '9') ++end;
    if (end == at || end >= text.size() || text[end] != ' ') return false;
    value = std::stoll(text.substr(at, end - at));
    at = end + 1;
    return true;
}

// The text of `length` bytes at `at`.
bool TakeText(const std::string& text, size_t& at, long long length, std::string& value) {
    if (static_cast<unsigned long long>(length) > text.size() - at) return false;
    value = text.substr(at, static_cast<size_t>(length));
    at += static_cast<size_t>(length);
    return true;
}

ListHeadText ReadListHead(const std::string& text) {
    ListHeadText read;
    size_t at = 0;
    for (const char* head : {kStoppedHead, kEndedHead}) {
        const std::string start(head);
        if (text.compare(0, start.size(), start) != 0) continue;
        read.ended = head == kEndedHead;
        at = start.size();
    }
    if (at == 0) return read;
    read.damaged = true;
    long long countySize = 0, logSize = 0;
    std::string log;
    if (!TakeNumber(text, at, countySize) || !TakeNumber(text, at, logSize) ||
        !TakeText(text, at, countySize, read.county) || !TakeText(text, at, logSize, log) || at >= text.size()) {
        return read;
    }
    if (!PlainName(read.county) || log != (read.county.empty() ? std::string() : read.county + ".log")) return read;
    if (text[at] == ' ' && !read.county.empty()) {
        // The run, as earlier versions named it: its options, its input, the
        // input's length and modification time.
        ++at;
        long long optionsSize = 0, inputSize = 0;
        RunRecord& run = read.run;
        if (!TakeNumber(text, at, optionsSize) || !TakeNumber(text, at, inputSize) ||
            !TakeNumber(text, at, run.inputLength) || !TakeNumber(text, at, run.modifiedSeconds) ||
            !TakeNumber(text, at, run.modifiedNanoseconds) || !TakeText(text, at, optionsSize, run.options) ||
            !TakeText(text, at, inputSize, run.input) || at >= text.size() || run.input.empty()) {
            return read;
        }
        read.named = true;
    }
    if (text[at] != '\n') return read;
    read.damaged = false;
    read.length = at + 1;
    return read;
}

// The list up to one byte past the bound, never waiting on what is no
// regular file.
bool ReadList(const std::string& path, std::string& text) {
    platform::FilePtr in = platform::OpenFile(path, "rb");
    if (!in) return false;
    text.resize(kCommitListBound + 1);
    text.resize(std::fread(&text[0], 1, text.size(), in.get()));
    return !std::ferror(in.get());
}

// The journals a list names after its first line; false when a line is
// anything else.
bool ListedJournals(const std::string& text, std::vector<std::string>& journals) {
    std::istringstream lines(text);
    for (std::string relative; std::getline(lines, relative);) {
        if (!JournalName(relative)) return false;
        journals.push_back(relative);
    }
    return true;
}

std::string StoppedRunText(const std::string& county, const std::string& folder, const char* ending) {
    return (county.empty() ? std::string("A county") : county) + " was converted whole into the merged layers of " +
           folder + " before its run stopped: " + ending;
}

// Says what became of a stopped run of `county`: on screen, in this
// county's log and in the stopped county's log (when it can be opened, and
// is not this county's).
void TellStoppedRun(const std::string& county, const std::string& folder, const std::string& text,
                    JobServices& services) {
    services.ShowMessage(text);
    if (county.empty()) return;
    const std::string log = folder + "/" + county + ".log";
    const std::string own = services.LogPath();
    if (!own.empty() && platform::SameFile(own, log)) return;
    platform::FilePtr stopped = platform::OpenExistingToAppend(log);
    if (!stopped) return;
    std::fprintf(stopped.get(), "%s\n", text.c_str());
    platform::CloseFile(stopped);
}

// The run that left the list was stopped after its county was in the
// merged layers and in their record (or, for a list that names its run,
// the layers its journals name hold it: kept as held by this run of it, or
// else not known to the record).
void TellStoppedCommit(const ListHeadText& head, bool heldByThisRun, const std::string& folder,
                       JobServices& services) {
    const char* ending =
        head.named && !heldByThisRun ? "running it again adds it again" : "running it again passes it over";
    TellStoppedRun(head.county, folder, StoppedRunText(head.county, folder, ending), services);
}

// The merged file a journal of the list guards, relative to the folder, as
// the record names it: a document ("<stem>.kml.journal"), else the
// shapefile's shapes or the table of "<stem>.journal"; "" when none is
// there.
std::string GuardedLayerFile(const std::string& folder, const std::string& journal) {
    const std::string stem = journal.substr(0, journal.size() - (sizeof kJournalEnding - 1));
    if (stem == kCountyRecordName) return std::string();
    const bool document = platform::FileNameOfPath(stem).find('.') != std::string::npos;
    for (const std::string& file : document ? std::vector<std::string>{stem}
                                            : std::vector<std::string>{stem + ".shp", stem + ".dbf"}) {
        if (platform::KindOfPath(folder + "/" + file) == platform::PathKind::kRegular) return file;
    }
    return std::string();
}

// The run of `county` (empty: not known) stopped before its change was
// committed, and its journals put its layers back.
void TellPutBackWithout(const std::string& county, const std::string& folder, JobServices& services) {
    TellStoppedRun(county, folder,
                   (county.empty() ? std::string("A county") : county) +
                       "'s run stopped before it ended: the merged layers of " + folder +
                       " were put back without it; converting it again adds it",
                   services);
}

}  // namespace

bool CountyChange::Open(const std::string& folder, JobServices& services,
                        const std::vector<std::string>& heldBefore) {
    // The journal of a change left open stays on disk for the next run.
    journal_.reset();
    removals_.clear();
    folder_ = folder;
    open_ = true;
    listBody_ = HeadBody(std::string());
    identified_ = false;
    passedOver_.clear();
    added_.clear();
    heldBefore_ = heldBefore;
    // The list of the stopped run that names them goes with this run's own.
    listPlaced_ = !heldBefore.empty();
    return record_.Load(folder_, services);
}

void CountyChange::Identify(const CountyKey& key, bool known) {
    identified_ = false;
    if (!open_) return;
    // A county that cannot be told is recorded with a blank code, so that
    // the record gives the size it leaves each file.
    CountyKey recorded = key;
    if (!known) recorded.code.clear();
    record_.Identify(recorded);
    key_ = recorded;
    if (!known) return;  // said once it is added (End)
    for (const std::string& relative : heldBefore_) record_.Hold(relative);
    identified_ = true;
}

std::string CountyChange::Relative(const std::string& path) const {
    const std::string prefix = folder_ + "/";
    return path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : std::string();
}

bool CountyChange::Holds(const std::string& path) const {
    long long size = 0;
    return open_ && identified_ && record_.Holds(Relative(path)) &&
           platform::KindOfPath(path, &size) == platform::PathKind::kRegular && size > 0;
}

bool CountyChange::Agrees(const std::string& path, JobServices& services) const {
    if (!open_) return true;
    for (const AddedFile& file : added_) {
        if (file.path == path) return true;  // the county's own change
    }
    if (EndsWith(path, ".shp") && !MergedShapefileWhole(path, services)) return false;
    // Each of a shapefile's files (a record of earlier versions names its
    // shapes alone).
    for (const std::string& file : FilesOfLayer(path)) {
        const long long recorded = record_.LastSize(Relative(file));
        long long size = 0;
        if (recorded < 0 || platform::KindOfPath(file, &size) != platform::PathKind::kRegular || size == recorded) {
            continue;
        }
        services.WriteLogLine("The merged file " + file + " and the record of counties " + folder_ + "/" +
                              kCountyRecordName + " disagree: the file is " + std::to_string(size) +
                              " bytes long, the record says " + std::to_string(recorded) +
                              " after the last county it names there. Remove that file (or the whole folder) to make "
                              "it anew with every county that asks for it");
        services.FailCounty();
        return false;
    }
    return true;
}

bool CountyChange::Record(JobServices& services, bool converted) {
    if (!open_) return true;
    if (!passedOver_.empty()) {
        // Every file asked for holds it: said in short.
        std::string files = "every merged file asked for (" + std::to_string(passedOver_.size()) + ")";
        if (!added_.empty()) {
            files.clear();
            for (const std::string& path : passedOver_) files += (files.empty() ? "" : ", ") + Relative(path);
        }
        services.ShowMessage(services.CountyName() + " (" + key_.Describe() + ") is already in " + files +
                             " of the merged layers of " + folder_ + ": it is not added again");
    }
    return !converted || (added_.empty() && (!identified_ || heldBefore_.empty())) || WriteRecord(services);
}

namespace {

// The size of the file `path` now; 0 when it is not there.
long long SizeNow(const std::string& path) {
    long long size = 0;
    return platform::KindOfPath(path, &size) == platform::PathKind::kRegular ? size : 0;
}

}  // namespace

bool CountyChange::WriteRecord(JobServices& services) {
    const std::string path = folder_ + "/" + kCountyRecordName;
    // A record of version 1 is written again whole, with sizes.
    const bool appended = record_.Begun() && record_.Version() == 2;
    std::string lines = appended ? std::string() : CountyRecord::FirstLine() + record_.LinesWithSizes(folder_);
    // Files continued that the record does not know hold counties merged
    // before it was kept.
    std::string unchecked;
    for (const AddedFile& file : added_) {
        const std::string relative = Relative(file.path);
        if (!NameInFolderOrBelow(relative)) continue;
        for (const std::string& part : FilesOfLayer(file.path)) {
            lines += record_.Line(Relative(part), file.made, TheJournal(services).SizeAtCommit(part));
        }
        if (!file.made && !record_.Knows(relative)) unchecked += (unchecked.empty() ? "" : ", ") + relative;
    }
    // The files a stopped run of this county was added to, recorded so.
    for (const std::string& relative : identified_ ? heldBefore_ : std::vector<std::string>()) {
        for (const std::string& part : FilesOfLayer(folder_ + "/" + relative)) {
            lines += record_.Line(Relative(part), false, SizeNow(part));
        }
    }
    Journal& journal = TheJournal(services);
    GuardedFile record;
    record.SyncLater(services.Kept());
    const bool opened = appended ? record.OpenExisting(path, journal) && SeekTo(record.get(), 0, SEEK_END)
                                 : record.Create(path, &journal);
    if (!opened || !WriteAll(record.get(), lines) || !record.Close() || !record.Keep()) {
        services.WriteLogLine("Could not write to file " + path + SystemReason());
        services.FailCounty();
        record.Rollback();
        return false;
    }
    if (!unchecked.empty()) {
        services.ShowMessage("The merged layers of " + folder_ + " hold counties merged before their record " + path +
                             " was kept, in " + unchecked +
                             ": those counties cannot be checked, and one of them run again is added again");
    }
    return true;
}

bool AlreadyMerged(JobServices& services, const std::string& path) {
    CountyChange* change = services.Change();
    if (!change || !change->IsOpen()) return false;
    // A county that failed writes nothing more.
    if (services.CountyFailed() || !change->Agrees(path, services)) return true;
    if (!change->Holds(path)) return false;
    change->PassOver(path);
    return true;
}

void NoteMerged(JobServices& services, const std::string& path, bool made) {
    CountyChange* change = services.Change();
    if (change && change->IsOpen()) change->Added(path, made);
}

bool PlaceCountyFile(JobServices& services, platform::PrivateFile& made) {
    CountyChange* change = services.Change();
    const std::string path = made.target();
    if (change && change->IsOpen() && change->Changes()) {
        change->TheJournal(services).PlaceAtCommit(path, std::move(made));
        return true;
    }
    if (change && change->IsOpen() && services.CountyFailed()) {
        made.Discard();
        return true;
    }
    if (!made.Place()) return false;
    if (KeptFiles* kept = KeptInCounty(services)) kept->Add(path);
    return true;
}

Journal& CountyChange::TheJournal(JobServices& services) {
    if (!journal_) {
        // It guards the record and every merged file the record names: a
        // file it does not name has had no county added to it since the
        // record was kept.
        std::vector<std::string> guarded{kCountyRecordName};
        for (const std::string& file : record_.Files()) {
            const std::vector<std::string> parts = FilesOfLayer(file);
            guarded.insert(guarded.end(), parts.begin(), parts.end());
        }
        journal_ = std::make_unique<Journal>(folder_ + "/" + kChangeJournalName, &services, Journal::Kind::kChange,
                                             guarded);
    }
    return *journal_;
}

bool CountyChange::End(JobServices& services, bool converted) {
    if (!open_) return true;
    open_ = false;
    if (!converted) listPlaced_ = false;
    const bool ended = converted ? Commit(services) : Undo(services);
    if (converted && ended && !identified_ && !added_.empty()) {
        services.ShowMessage(services.CountyName() + " has no type I record to tell it by: it is added to the merged " +
                             "layers of " + folder_ + " unchecked, and converting it again adds it again");
    }
    journal_.reset();
    removals_.clear();
    return ended;
}

bool CountyChange::Undo(JobServices& services) {
    if (!journal_) return true;
    journal_->Drop();
    if (!journal_->Written()) return true;
    journal_->Close();
    if (!Journal::Restore(journal_->path(), services, false)) return false;
    services.WriteLogLine("The merged layers of " + folder_ + " were put back as they were before this county");
    return true;
}

bool CountyChange::Commit(JobServices& services) {
    if (!Changes()) return RemoveLeftWithoutRows();
    const std::string listPath = folder_ + "/" + kCommitList;
    // Said before anything is put back, which a stop may cut short: what
    // could not be written, or the flush that failed (`failure`) and when.
    std::string failure;
    auto say = [&](const std::string& what, const char* when) {
        services.WriteLogLine("Could not commit the merged layers of " + folder_ + ": " +
                              (failure.empty() ? what + SystemReason() : failure + " " + when));
    };
    auto fail = [&](const std::string& what, const char* when) {
        say(what, when);
        services.FailCounty();
        Undo(services);
        return false;
    };
    // The journal, with what every file it guards was, is on disk with
    // every byte the county wrote, before anything it guards is written in.
    std::vector<std::string> files;
    if (!journal_->Prepare(files) || !MakeDurable(services, files, &failure)) {
        return fail(journal_->path() + " could not be written", "before anything was written in");
    }
    files.clear();
    files.insert(files.end(), removals_.begin(), removals_.end());
    if (!journal_->Apply(files) || !RemoveLeftWithoutRows() || !MakeDurable(services, files, &failure)) {
        return fail("its files could not be written", "once what the county held was written in");
    }
    // The list that says the change is committed is on disk before the
    // journal that would undo it goes.
    listBody_ = HeadBody(services.CountyName()) + kChangeJournalName + "\n";
    journal_->Close();
    if (!(platform::WriteWholeFile(listPath, kStoppedHead + listBody_, false) &&
          MakeDurable(services, {listPath}, &failure))) {
        say(listPath + " could not be written", "once its commit list was placed");
        listPlaced_ = false;
        // A list that may stand says the change was committed: it goes, on
        // disk, before any file is put back (a flush that fails again leaves
        // that to the put-back's own). One that cannot go is left with the
        // journal: the county is in the merged layers, and the next run
        // finishes the commit it names.
        const bool stands = platform::KindOfPath(listPath) != platform::PathKind::kMissing;
        if (stands && !platform::RemoveFile(listPath)) {
            services.WriteLogLine("Could not remove " + listPath + SystemReason() + ": the merged layers of " +
                                  folder_ + " hold the county, and the next run there finishes its commit");
            services.FailCounty();
            return false;
        }
        if (stands) MakeDurable(services, {listPath});
        services.FailCounty();
        Undo(services);
        return false;
    }
    // A journal that stays is never taken for that of a stopped change: the
    // list stays with it, and the next run removes it.
    listPlaced_ = platform::RemoveFile(journal_->path());
    if (!listPlaced_) {
        services.WriteLogLine("Could not remove the journal " + journal_->path() + SystemReason() +
                              ": the next run in " + folder_ + " removes it");
        platform::WriteWholeFile(listPath, kEndedHead + listBody_, false);
    }
    return true;
}

void CountyChange::Finish(JobServices& services) {
    if (!listPlaced_) return;
    listPlaced_ = false;
    const std::string listPath = folder_ + "/" + kCommitList;
    if (platform::RemoveFile(listPath)) return;
    const std::string reason = SystemReason();
    // Left as it is, the next run would take the county for stopped.
    platform::WriteWholeFile(listPath, kEndedHead + listBody_);
    services.ShowMessage("Could not remove " + listPath + reason + ": the next run in " + folder_ + " removes it");
}

bool CountyChange::RemoveLeftWithoutRows() {
    for (const std::string& path : removals_) {
        if (!platform::IsSymbolicLink(path)) platform::RemoveFile(path);
    }
    return true;
}

bool RecoverStoppedChanges(const std::string& folder, JobServices& services, std::vector<std::string>& heldBefore) {
    heldBefore.clear();
    auto fail = [&services](const std::string& message) {
        services.WriteLogLine(message);
        services.FailCounty();
        return false;
    };
    const std::string listPath = folder + "/" + kCommitList;
    const platform::PathKind listKind = platform::KindOfPath(listPath);
    if (listKind == platform::PathKind::kLink) return fail(LinkRefusal(listPath));
    const std::string damaged =
        "The commit list " + listPath + " is damaged: the merged layers of " + folder + " and the list are left as they are";
    if (listKind == platform::PathKind::kOther) return fail(damaged);
    if (listKind == platform::PathKind::kRegular) {
        // The run committed its change: its journals only go. One that
        // stays would undo that change; the list stays with it.
        auto cannotRemove = [&fail](const std::string& path) {
            return fail("Could not remove " + path + SystemReason() + ", left by a run that committed its change");
        };
        std::string text;
        if (!ReadList(listPath, text)) return fail("Could not read " + listPath + SystemReason());
        const ListHeadText head = ReadListHead(text);
        std::vector<std::string> journals;
        // Checked whole before anything is touched.
        // A list is never empty: runs write it whole with its first line.
        const bool readable = !text.empty() && text.size() <= kCommitListBound && !head.damaged &&
                              ListedJournals(text.substr(head.length), journals);
        // A list cut short (empty, or its last line without its end), or one
        // that does not read, beside the change's journal never reached the
        // disk whole (a power cut leaves what was not flushed in any part,
        // or garbage): its flush did not end, and the journal that puts the
        // change back, which goes only once the list is on disk, is there.
        const bool cut = text.empty() || text.back() != '\n';
        if ((cut || !readable) &&
            platform::KindOfPath(folder + "/" + kChangeJournalName) == platform::PathKind::kRegular) {
            if (!platform::RemoveFile(listPath)) return fail("Could not remove " + listPath + SystemReason());
            return RecoverStoppedChanges(folder, services, heldBefore);
        }
        if (!readable) return fail(damaged);
        for (const std::string& relative : journals) {
            if (ThroughLink(folder, relative)) return fail(damaged);
        }
        // A list that names its run was left by a version that kept no
        // record: this very run of its county is held by the files its
        // journals guard.
        const bool thisRun = !head.ended && head.named && head.county == services.CountyName() &&
                             head.run == services.Record();
        std::string kept = text.substr(0, head.length);
        for (const std::string& relative : journals) {
            const std::string file = thisRun ? GuardedLayerFile(folder, relative) : std::string();
            if (file.empty()) continue;
            heldBefore.push_back(file);
            kept += relative + "\n";
        }
        for (const std::string& relative : journals) {
            const std::string path = folder + "/" + relative;
            if (platform::KindOfPath(path) == platform::PathKind::kRegular && !platform::RemoveFile(path)) {
                return cannotRemove(path);
            }
        }
        if (thisRun) {
            // It stays, naming the journals of the files that hold the county
            // (which this run passes over), until this run's commit records
            // them: a run of it stopped or failed before then finds it again.
            if (!platform::WriteWholeFile(listPath, kept) || !platform::SyncFolder(folder)) {
                return fail("Could not write to file " + listPath + SystemReason());
            }
        } else if (!platform::RemoveFile(listPath)) {
            return cannotRemove(listPath);
        }
        if (!head.ended) TellStoppedCommit(head, thisRun, folder, services);
    }
    // The journals left by a stopped run (one at most: each run puts back
    // those it finds before it writes its own), told once per county. A
    // change's journal that had no name yet is read under its private one,
    // unless the list said its change was committed.
    std::vector<std::string> journals;
    for (const std::string& path : platform::UnheldPrivateFiles(folder)) {
        if (!IsUnplacedChangeJournal(path)) continue;
        if (listKind != platform::PathKind::kRegular) {
            journals.push_back(path);
        } else if (!platform::RemoveFile(path)) {
            return fail("Could not remove " + path + SystemReason() + ", left by a run that committed its change");
        }
    }
    for (const std::string& layerFolder : platform::FolderAndSubfolders(folder)) {
        for (const std::string& name : platform::ListDirectory(layerFolder)) {
            if (EndsWith(name, kJournalEnding)) journals.push_back(layerFolder + name);
        }
    }
    std::set<std::string> stoppedCounties;
    bool anyStopped = false;
    for (const std::string& path : journals) {
        StoppedJournal stopped;
        if (!Journal::Restore(path, services, true, &stopped)) return false;
        anyStopped = anyStopped || stopped.found;
        if (!stopped.county.empty()) stoppedCounties.insert(stopped.county);
    }
    if (anyStopped && stoppedCounties.empty()) stoppedCounties.insert(std::string());
    for (const std::string& county : stoppedCounties) TellPutBackWithout(county, folder, services);
    return true;
}

void LayerJournal::Done() {
    if (!own_) return;
    if (own_->Written() && services_ && !SyncKeptFiles(*services_)) {
        own_->Close();
        return;
    }
    if (own_->Remove()) return;
    // Left there, the next run would put the layer's files back.
    services_->WriteLogLine("Could not remove the journal " + own_->path() + SystemReason());
    services_->FailCounty();
}

void LayerJournal::Use(JobServices& services, const std::string& stem) {
    const std::string path = stem + kJournalEnding;
    services_ = &services;
    CountyChange* change = services.Change();
    if (change && change->IsOpen()) {
        own_.reset();
        journal_ = &change->TheJournal(services);
    } else {
        own_ = std::make_unique<Journal>(path, &services);
        journal_ = own_.get();
    }
}

}  // namespace shapeio
