#include "shapeio/county_change.h"

#include "platform/paths.h"
#include "shapeio/layer_output.h"
#include "platform/private_file.h"
#include "shapeio/kept_files.h"
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
// list's first line names the run:
//   "pellard commit <c> <l> <county><log> <o> <i> <length> <s> <ns> <options><input>"
// with <c>, <l>, <o> and <i> the lengths of the texts they precede; the
// county is a plain name (no '/', no control character) and its log
// "<county>.log" in the folder, or both are empty; the input is the file the
// county was read from, with its length and modification time (s, ns). The
// part from <o> on may be missing (the run is not known). A list left by a
// run that ended starts "pellard ended ...". The journals follow, one a line,
// relative to the folder. A list without the first line (as older runs
// wrote them) is read as one of a stopped run whose county is not known.

namespace {

constexpr char kCommitList[] = ".pellard-committed";

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() > ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Whether `relative` names a journal in the folder or a folder right below
// it, as the commit list names them.
bool JournalName(const std::string& relative) {
    const size_t slash = relative.find('/');
    const std::string name = slash == std::string::npos ? relative : relative.substr(slash + 1);
    return EndsWith(name, kJournalEnding) && name.find('/') == std::string::npos && slash != 0 &&
           relative.compare(0, 3, "../") != 0 && relative.compare(0, 2, "./") != 0;
}

constexpr char kStoppedHead[] = "pellard commit ";
constexpr char kEndedHead[] = "pellard ended ";

// A name that stands for one file in the folder and one line of a log.
bool PlainName(const std::string& name) {
    for (const unsigned char c : name) {
        if (c == '/' || c < 0x20 || c == 0x7f) return false;
    }
    return true;
}

// What follows the first word of the list's first line, for this run.
std::string HeadBody(const std::string& county, const RunRecord& record) {
    // A county that is no plain name is not named.
    const std::string name = PlainName(county) ? county : std::string();
    const std::string log = name.empty() ? std::string() : name + ".log";
    std::string body = std::to_string(name.size()) + " " + std::to_string(log.size()) + " " + name + log;
    if (!name.empty() && !record.input.empty()) {
        body += " " + std::to_string(record.options.size()) + " " + std::to_string(record.input.size()) + " " +
                std::to_string(record.inputLength) + " " + std::to_string(record.modifiedSeconds) + " " +
                std::to_string(record.modifiedNanoseconds) + " " + record.options + record.input;
    }
    return body + "\n";
}

// The first line of a commit list as read back.
struct ListHeadText {
    size_t length = 0;     // 0: the list has none
    bool damaged = false;  // a first line that cannot be read, or names anything else
    bool ended = false;    // the run ended itself, leaving the list
    std::string county;    // empty when not known
    bool recorded = false;  // the run is known
    RunRecord record;
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
        ++at;
        long long optionsSize = 0, inputSize = 0;
        RunRecord& r = read.record;
        if (!TakeNumber(text, at, optionsSize) || !TakeNumber(text, at, inputSize) ||
            !TakeNumber(text, at, r.inputLength) || !TakeNumber(text, at, r.modifiedSeconds) ||
            !TakeNumber(text, at, r.modifiedNanoseconds) || !TakeText(text, at, optionsSize, r.options) ||
            !TakeText(text, at, inputSize, r.input) || at >= text.size() || r.input.empty()) {
            return read;
        }
        read.recorded = true;
    }
    if (text[at] != '\n') return read;
    read.damaged = false;
    read.length = at + 1;
    return read;
}

// The whole list, never waiting on what is no regular file.
bool ReadList(const std::string& path, std::string& text) {
    platform::FilePtr in = platform::OpenFile(path, "rb");
    if (!in) return false;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0;) text.append(buffer, got);
    return !std::ferror(in.get());
}

std::string StoppedRunText(const std::string& county, const std::string& folder, const char* ending) {
    return (county.empty() ? std::string("A county") : county) + " was converted whole into the merged layers of " +
           folder + " before its run stopped: " + ending;
}

// Says that the run that left the list was stopped after its county was
// in the merged layers: on screen, in this county's log and in the stopped
// county's log (when it can be opened, and is not this county's).
void TellStoppedCommit(const ListHeadText& head, const std::string& folder, JobServices& services) {
    const std::string text = StoppedRunText(head.county, folder, "running it again adds it again");
    services.ShowMessage(text);
    if (head.county.empty()) return;
    const std::string log = folder + "/" + head.county + ".log";
    const std::string own = services.LogPath();
    if (!own.empty() && platform::SameFile(own, log)) return;
    platform::FilePtr stopped = platform::OpenExistingToAppend(log);
    if (!stopped) return;
    std::fprintf(stopped.get(), "%s\n", text.c_str());
    platform::CloseFile(stopped);
}

}  // namespace

void CountyChange::Open(const std::string& folder, bool convertedBefore) {
    // Journals of a change left open stay on disk for the next run.
    journals_.clear();
    removals_.clear();
    folder_ = folder;
    open_ = true;
    listPlaced_ = convertedBefore;
    listBody_ = HeadBody(std::string(), RunRecord());
}

Journal& CountyChange::JournalAt(const std::string& path) {
    for (const auto& journal : journals_) {
        if (journal->path() == path) return *journal;
    }
    journals_.push_back(std::make_unique<Journal>(path));
    return *journals_.back();
}

bool CountyChange::End(JobServices& services, bool converted) {
    if (!open_) return true;
    open_ = false;
    for (const auto& journal : journals_) journal->Close();
    const bool ended = converted ? Commit(services) : Undo(services);
    journals_.clear();
    removals_.clear();
    return ended;
}

bool CountyChange::Undo(JobServices& services) {
    bool any = false, restored = true;
    for (auto journal = journals_.rbegin(); journal != journals_.rend(); ++journal) {
        if (!(*journal)->Written()) continue;
        any = true;
        restored = Journal::Restore((*journal)->path(), services, false) && restored;
    }
    if (any && restored) {
        services.WriteLogLine("The merged layers of " + folder_ + " were put back as they were before this county");
    }
    return restored;
}

bool CountyChange::Commit(JobServices& services) {
    std::vector<std::string> written;
    std::set<std::string> folders;
    std::string list;
    for (const auto& journal : journals_) {
        if (!journal->Written()) continue;
        const std::string& path = journal->path();
        written.push_back(path);
        folders.insert(platform::DirectoryOfPath(path));
        const std::string prefix = folder_ + "/";
        if (path.compare(0, prefix.size(), prefix) == 0) list += path.substr(prefix.size()) + "\n";
    }
    if (written.empty()) return RemoveLeftWithoutRows();
    // The files put in place or continued, and their folders, are there for
    // good before any journal goes: the county's durable point
    // (kept_files.h) came first.
    const std::string listPath = folder_ + "/" + kCommitList;
    listBody_ = HeadBody(services.CountyName(), services.Record()) + list;
    if (!(platform::WriteWholeFile(listPath, kStoppedHead + listBody_) && platform::SyncFolder(folder_))) {
        services.WriteLogLine("Could not commit the merged layers of " + folder_ + ": " + listPath +
                              " could not be written" + SystemReason());
        services.FailCounty();
        Undo(services);
        return false;
    }
    // A journal that stays is never taken for that of a stopped change: the
    // list stays with it, and the next run removes it.
    bool removed = true;
    for (const std::string& path : written) {
        if (platform::RemoveFile(path)) continue;
        services.WriteLogLine("Could not remove the journal " + path + SystemReason() + ": the next run in " +
                              folder_ + " removes it");
        removed = false;
    }
    // The journals are gone for good before the list that keeps them from
    // being taken for a stopped change's.
    for (const std::string& folder : folders) removed = platform::SyncFolder(folder) && removed;
    // The list stays until the run's last step; one left behind with a
    // journal is not that of a stopped run.
    listPlaced_ = removed;
    if (!removed) platform::WriteWholeFile(listPath, kEndedHead + listBody_);
    return RemoveLeftWithoutRows();
}

void CountyChange::Finish(JobServices& services) {
    if (!listPlaced_) return;
    listPlaced_ = false;
    const std::string listPath = folder_ + "/" + kCommitList;
    if (platform::RemoveFileDurably(listPath)) return;
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

Recovery RecoverStoppedChanges(const std::string& folder, JobServices& services) {
    auto fail = [&services](const std::string& message) {
        services.WriteLogLine(message);
        services.FailCounty();
        return Recovery::kFailed;
    };
    const std::string listPath = folder + "/" + kCommitList;
    if (platform::IsSymbolicLink(listPath)) return fail(LinkRefusal(listPath));
    bool convertedBefore = false;
    if (platform::FileExists(listPath)) {
        // The run committed its change: its journals only go. One that
        // stays would undo that change; the list stays with it.
        auto cannotRemove = [&fail](const std::string& path) {
            return fail("Could not remove " + path + SystemReason() + ", left by a run that committed its change");
        };
        std::string text;
        if (!ReadList(listPath, text)) return fail("Could not read " + listPath + SystemReason());
        const ListHeadText head = ReadListHead(text);
        if (head.damaged) {
            return fail("The commit list " + listPath +
                        " is damaged: the merged layers of " + folder + " and the list are left as they are");
        }
        convertedBefore = !head.ended && head.recorded && head.county == services.CountyName() &&
                          head.record == services.Record();
        std::istringstream journals(text.substr(head.length));
        for (std::string relative; std::getline(journals, relative);) {
            const std::string path = folder + "/" + relative;
            if (JournalName(relative) && platform::FileExists(path) && !platform::IsSymbolicLink(path) &&
                !platform::RemoveFileDurably(path)) {
                return cannotRemove(path);
            }
        }
        if (convertedBefore) {
            // The list goes at this run's end: a run stopped before then
            // leaves it for the next one to find.
            services.ShowMessage(StoppedRunText(head.county, folder, "it is not converted again"));
        } else {
            if (!platform::RemoveFileDurably(listPath)) return cannotRemove(listPath);
            if (!head.ended) TellStoppedCommit(head, folder, services);
        }
    }
    for (const std::string& layerFolder : platform::FolderAndSubfolders(folder)) {
        for (const std::string& name : platform::ListDirectory(layerFolder)) {
            if (EndsWith(name, kJournalEnding) && !Journal::Restore(layerFolder + name, services, true)) {
                return Recovery::kFailed;
            }
        }
    }
    return convertedBefore ? Recovery::kConvertedBefore : Recovery::kGoOn;
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
        journal_ = &change->JournalAt(path);
    } else {
        own_ = std::make_unique<Journal>(path);
        journal_ = own_.get();
    }
}

}  // namespace shapeio
