#include "shapeio/county_change.h"

#include "platform/paths.h"
#include "shapeio/layer_output.h"
#include "platform/private_file.h"
#include "shapeio/guarded_file.h"
#include "shapeio/kept_files.h"

#include <fstream>
#include <set>

namespace shapeio {

// A change is committed through a list of its journals in the folder,
// written before the first is removed and removed after the last: a run
// stopped in between, or a journal that could not be removed, leaves the
// list, and the next run removes the journals it names instead of putting
// their files back.

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
    if (!(platform::WriteWholeFile(listPath, list) && platform::SyncFolder(folder_))) {
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
        std::ifstream in(listPath);
        for (std::string relative; std::getline(in, relative);) {
            const std::string path = folder + "/" + relative;
            if (JournalName(relative) && platform::FileExists(path) && !platform::IsSymbolicLink(path) &&
                !platform::RemoveFileDurably(path)) {
                return cannotRemove(path);
            }
        }
        if (!platform::RemoveFileDurably(listPath)) return cannotRemove(listPath);
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
