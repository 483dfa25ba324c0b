#include "shapeio/county_change.h"

#include "platform/paths.h"
#include "shapeio/layer_output.h"
#include "platform/private_file.h"
#include "shapeio/kept_files.h"
#include "shapeio/stream_io.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace shapeio {

// A change is committed through a list of its journals in the folder,
// written before the first is removed and removed after the last: a run
// stopped in between, or a journal that could not be removed, leaves the
// list, and the next run removes the journals it names instead of putting
// their files back. The list's first line names the county and its log:
// "pellard commit <name size> <log size> <name><log>", the log relative to
// the folder unless it starts with '/'; a run that ends with the list left
// rewrites it as "pellard ended ...". The journals follow, one a line,
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

// The first line of the list: `head`, the county and its log.
std::string ListHead(const char* head, const std::string& county, const std::string& log) {
    return head + std::to_string(county.size()) + " " + std::to_string(log.size()) + " " + county + log + "\n";
}

// The first line of a commit list as read back.
struct ListHeadText {
    size_t length = 0;     // 0: the list has none (or a damaged one)
    bool ended = false;    // the run ended itself, leaving the list
    std::string county;    // empty when not known
    std::string log;       // as the list holds it
};

ListHeadText ReadListHead(const std::string& text) {
    for (const char* head : {kStoppedHead, kEndedHead}) {
        const std::string start(head);
        if (text.compare(0, start.size(), start) != 0) continue;
        unsigned long long countySize = 0, logSize = 0;
        int used = 0;
        if (std::sscanf(text.c_str() + start.size(), "%llu %llu%n", &countySize, &logSize, &used) != 2) break;
        const size_t at = start.size() + static_cast<size_t>(used) + 1;
        if (at > text.size() || text[at - 1] != ' ' || text.size() - at <= countySize ||
            text.size() - at - countySize <= logSize || text[at + countySize + logSize] != '\n') {
            break;
        }
        ListHeadText read;
        read.length = at + countySize + logSize + 1;
        read.ended = head == kEndedHead;
        read.county = text.substr(at, countySize);
        read.log = text.substr(at + countySize, logSize);
        return read;
    }
    return ListHeadText();
}

// The county's log as the list names it: relative to the folder when it
// lies there.
std::string ListedLog(const std::string& log, const std::string& folder) {
    if (log.empty()) return log;
    const std::string prefix = folder + "/";
    if (log.compare(0, prefix.size(), prefix) != 0) return log[0] == '/' ? log : platform::AbsolutePath(log);
    const size_t name = log.find_first_not_of('/', prefix.size());
    return name == std::string::npos ? std::string() : log.substr(name);
}

// Says that the run that left the list was stopped after its county was
// in the merged layers: on screen, in this county's log and in the stopped
// county's log (when it can be opened, and is not this county's).
void TellStoppedCommit(const ListHeadText& head, const std::string& folder, JobServices& services) {
    const std::string text = (head.county.empty() ? std::string("A county") : head.county) +
                             " was converted whole into the merged layers of " + folder +
                             " before its run stopped: running it again adds it again";
    services.ShowMessage(text);
    if (head.log.empty()) return;
    const std::string log = head.log[0] == '/' ? head.log : folder + "/" + head.log;
    const std::string own = services.LogPath();
    if (!own.empty() && platform::SameFile(own, log)) return;
    platform::FilePtr stopped = platform::OpenExistingToAppend(log);
    if (!stopped) return;
    std::fprintf(stopped.get(), "%s\n", text.c_str());
    platform::CloseFile(stopped);
}

}  // namespace

void CountyChange::Open(const std::string& folder) {
    // Journals of a change left open stay on disk for the next run.
    journals_.clear();
    removals_.clear();
    folder_ = folder;
    open_ = true;
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
    const std::string county = services.CountyName(), log = ListedLog(services.LogPath(), folder_);
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
    if (!(platform::WriteWholeFile(listPath, ListHead(kStoppedHead, county, log) + list) &&
          platform::SyncFolder(folder_))) {
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
    if (removed && !platform::RemoveFileDurably(listPath)) {
        services.WriteLogLine("Could not remove " + listPath + SystemReason() + ": the next run in " + folder_ +
                              " removes it");
    }
    // The list left behind is not that of a stopped run.
    if (!removed) platform::WriteWholeFile(listPath, ListHead(kEndedHead, county, log) + list);
    return RemoveLeftWithoutRows();
}

bool CountyChange::RemoveLeftWithoutRows() {
    for (const std::string& path : removals_) {
        if (!platform::IsSymbolicLink(path)) platform::RemoveFile(path);
    }
    return true;
}

bool RecoverStoppedChanges(const std::string& folder, JobServices& services) {
    const std::string listPath = folder + "/" + kCommitList;
    if (platform::IsSymbolicLink(listPath)) {
        services.WriteLogLine(LinkRefusal(listPath));
        services.FailCounty();
        return false;
    }
    if (platform::FileExists(listPath)) {
        // The run committed its change: its journals only go. One that
        // stays would undo that change; the list stays with it.
        auto cannotRemove = [&services](const std::string& path) {
            services.WriteLogLine("Could not remove " + path + SystemReason() +
                                  ", left by a run that committed its change");
            services.FailCounty();
            return false;
        };
        std::ifstream in(listPath, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const ListHeadText head = ReadListHead(text);
        std::istringstream journals(text.substr(head.length));
        for (std::string relative; std::getline(journals, relative);) {
            const std::string path = folder + "/" + relative;
            if (JournalName(relative) && platform::FileExists(path) && !platform::IsSymbolicLink(path) &&
                !platform::RemoveFileDurably(path)) {
                return cannotRemove(path);
            }
        }
        if (!platform::RemoveFileDurably(listPath)) return cannotRemove(listPath);
        if (!head.ended) TellStoppedCommit(head, folder, services);
    }
    for (const std::string& layerFolder : platform::FolderAndSubfolders(folder)) {
        for (const std::string& name : platform::ListDirectory(layerFolder)) {
            if (EndsWith(name, kJournalEnding) && !Journal::Restore(layerFolder + name, services, true)) return false;
        }
    }
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
        journal_ = &change->JournalAt(path);
    } else {
        own_ = std::make_unique<Journal>(path);
        journal_ = own_.get();
    }
}

}  // namespace shapeio
