#include "support/power_cut.h"

#include "platform/files.h"
#include "support/fault_job.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <random>
#include <set>

namespace testsupport {

using platform::FileChange;
using Kind = platform::FileChange::Kind;

namespace {

// `path` without doubled or trailing '/'.
std::string Clean(const std::string& path) {
    std::string clean;
    for (const char c : path) {
        if (c == '/' && !clean.empty() && clean.back() == '/') continue;
        clean += c;
    }
    while (clean.size() > 1 && clean.back() == '/') clean.pop_back();
    return clean;
}

std::string Parent(const std::string& relative) {
    const size_t slash = relative.rfind('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

bool NameOp(Kind kind) {
    return kind == Kind::kCreate || kind == Kind::kRename || kind == Kind::kLink || kind == Kind::kRemove ||
           kind == Kind::kMakeFolder || kind == Kind::kRemoveFolder;
}

bool Flush(Kind kind) {
    return kind == Kind::kSyncFile || kind == Kind::kSyncFolder || kind == Kind::kSyncFileSystem;
}

// The files and folders of the folder, as the disk holds them and as the
// process sees them.
class Model {
public:
    explicit Model(const std::map<std::string, std::string>& start) {
        for (const auto& [path, contents] : start) {
            if (!path.empty() && path.back() == '/') {
                folders_.insert(path.substr(0, path.size() - 1));
                continue;
            }
            names_[path] = New(contents);
        }
        durableNames_ = names_;
        durableFolders_ = folders_;
    }

    // `path` and `to` relative to the folder.
    void Apply(const FileChange& change, const std::string& path, const std::string& to) {
        switch (change.kind) {
            case Kind::kCreate: names_[path] = New(std::string()); break;
            case Kind::kWrite:
            case Kind::kTruncate:
                if (const auto found = names_.find(path); found != names_.end()) {
                    Node& node = nodes_[found->second];
                    node.pending.push_back({change.kind == Kind::kTruncate, change.offset, change.bytes});
                    Do(node.pending.back(), node.current);
                }
                break;
            case Kind::kRename:
            case Kind::kLink:
                if (const auto found = names_.find(path); found != names_.end()) {
                    const int node = found->second;
                    if (change.kind == Kind::kRename) names_.erase(found);
                    names_[to] = node;
                }
                break;
            case Kind::kRemove: names_.erase(path); break;
            case Kind::kMakeFolder: folders_.insert(path); break;
            case Kind::kRemoveFolder: folders_.erase(path); break;
            case Kind::kSyncFile:
                if (const auto found = names_.find(path); found != names_.end()) Durable(nodes_[found->second]);
                break;
            case Kind::kSyncFolder: SyncFolder(path); break;
            case Kind::kSyncFileSystem:
                for (Node& node : nodes_) Durable(node);
                durableNames_ = names_;
                durableFolders_ = folders_;
                break;
        }
    }

    std::map<std::string, std::string> State(ChangeRecording::Loss loss, unsigned seed) const {
        using Loss = ChangeRecording::Loss;
        std::map<std::string, std::string> files;
        std::mt19937 random(seed);
        const bool namesKept = loss == Loss::kNone || loss == Loss::kNamesKept || (loss == Loss::kSectors && random() % 2);
        const std::set<std::string>& folders = namesKept ? folders_ : durableFolders_;
        for (const std::string& folder : folders) {
            if (Reachable(folder, folders)) files[folder + "/"] = std::string();
        }
        for (const auto& [path, index] : namesKept ? names_ : durableNames_) {
            if (!Reachable(Parent(path), folders)) continue;
            const Node& node = nodes_[static_cast<size_t>(index)];
            std::string contents = loss == Loss::kNone ? node.current : node.durable;
            const bool journal = EndsWith(path, ".journal");
            const bool lastPartOnly = loss == Loss::kLastPart || (loss == Loss::kJournals && !journal) ||
                                      (loss == Loss::kOthers && journal);
            if (lastPartOnly && !node.pending.empty()) {
                for (size_t i = 0; i + 1 < node.pending.size(); ++i) Do(node.pending[i], contents);
                Op last = node.pending.back();
                if (!last.truncate) {
                    last.bytes.resize(last.bytes.size() / 2);
                    Do(last, contents);
                }
            }
            if (loss == Loss::kSectors) contents = SomeSectors(node, random);
            files[path] = contents;
        }
        return files;
    }

private:
    struct Op {
        bool truncate;
        long long offset;
        std::string bytes;
    };
    struct Node {
        std::string durable, current;
        std::vector<Op> pending;
    };

    int New(const std::string& contents) {
        nodes_.push_back({contents, contents, {}});
        return static_cast<int>(nodes_.size() - 1);
    }
    static void Do(const Op& op, std::string& contents) {
        const size_t offset = static_cast<size_t>(op.offset);
        if (op.truncate) {
            contents.resize(offset);
            return;
        }
        if (contents.size() < offset + op.bytes.size()) contents.resize(offset + op.bytes.size());
        contents.replace(offset, op.bytes.size(), op.bytes);
    }
    // The durable contents with each 512-byte sector of the pending writes
    // kept, lost (what the disk held there stays: zeros past its end) or
    // garbage, each on its own; as long as the process left the file.
    static std::string SomeSectors(const Node& node, std::mt19937& random) {
        constexpr size_t kSector = 512;
        std::string contents = node.durable;
        for (const Op& op : node.pending) {
            if (op.truncate) {
                Do(op, contents);
                continue;
            }
            const size_t offset = static_cast<size_t>(op.offset);
            for (size_t at = offset; at < offset + op.bytes.size();) {
                const size_t end = std::min(offset + op.bytes.size(), (at / kSector + 1) * kSector);
                Op piece{false, static_cast<long long>(at), op.bytes.substr(at - offset, end - at)};
                switch (random() % 4) {
                    case 2:  // lost
                        if (contents.size() < end) contents.resize(end);
                        break;
                    case 3:  // garbage
                        for (char& c : piece.bytes) c = static_cast<char>(random());
                        Do(piece, contents);
                        break;
                    default: Do(piece, contents);
                }
                at = end;
            }
        }
        contents.resize(node.current.size());
        return contents;
    }
    static void Durable(Node& node) {
        node.durable = node.current;
        node.pending.clear();
    }
    // The entries of `folder` as the process sees them are on disk.
    void SyncFolder(const std::string& folder) {
        for (auto entry = durableNames_.begin(); entry != durableNames_.end();) {
            entry = Parent(entry->first) == folder ? durableNames_.erase(entry) : std::next(entry);
        }
        for (const auto& [path, node] : names_) {
            if (Parent(path) == folder) durableNames_[path] = node;
        }
        for (auto entry = durableFolders_.begin(); entry != durableFolders_.end();) {
            entry = Parent(*entry) == folder ? durableFolders_.erase(entry) : std::next(entry);
        }
        for (const std::string& path : folders_) {
            if (Parent(path) == folder) durableFolders_.insert(path);
        }
    }
    static bool Reachable(const std::string& folder, const std::set<std::string>& folders) {
        return folder.empty() || (folders.count(folder) && Reachable(Parent(folder), folders));
    }

    std::vector<Node> nodes_;
    std::map<std::string, int> names_, durableNames_;
    std::set<std::string> folders_, durableFolders_;
};

}  // namespace

ChangeRecording::ChangeRecording(const std::string& folder) : root_(Clean(folder)), start_(FolderFiles(folder)) {
    recording_ = true;
    platform::ObserveFileChanges([this](const FileChange& change) { changes_.push_back(change); });
}

ChangeRecording::~ChangeRecording() { Stop(); }

void ChangeRecording::Stop() {
    if (recording_) platform::ObserveFileChanges(nullptr);
    recording_ = false;
}

int ChangeRecording::Flushes() const {
    int flushes = 0;
    for (const FileChange& change : changes_) flushes += Flush(change.kind) ? 1 : 0;
    return flushes;
}

std::map<std::string, std::string> ChangeRecording::StateAfter(size_t count, Loss loss, unsigned seed) const {
    Model model(start_);
    // A path under the folder, relative to it ("" the folder itself); false
    // for one outside.
    auto relative = [this](const std::string& path, std::string& inside) {
        const std::string clean = Clean(path);
        if (clean == root_) {
            inside.clear();
            return true;
        }
        if (clean.compare(0, root_.size() + 1, root_ + "/") != 0) return false;
        inside = clean.substr(root_.size() + 1);
        return true;
    };
    for (size_t i = 0; i < count && i < changes_.size(); ++i) {
        const FileChange& change = changes_[i];
        std::string path, to;
        // A flush of the file system of a path outside flushes this one too.
        if (!relative(change.path, path) && change.kind != Kind::kSyncFileSystem) continue;
        if ((change.kind == Kind::kRename || change.kind == Kind::kLink) && !relative(change.to, to)) continue;
        model.Apply(change, path, to);
    }
    return model.State(loss, seed);
}

std::vector<size_t> CutPoints(const std::vector<FileChange>& changes) {
    std::vector<size_t> points;
    for (size_t i = 0; i < changes.size(); ++i) {
        if (Flush(changes[i].kind) || NameOp(changes[i].kind)) points.push_back(i);
        if (NameOp(changes[i].kind)) points.push_back(i + 1);
    }
    points.push_back(changes.size());
    return points;
}

void MakeFolderFiles(const std::string& folder, const std::map<std::string, std::string>& files) {
    for (const auto& [path, contents] : files) {
        if (!path.empty() && path.back() == '/') platform::MakeDirectory(folder + "/" + path);
    }
    for (const auto& [path, contents] : files) {
        if (path.empty() || path.back() != '/') WriteFile(folder + "/" + path, contents);
    }
}

}  // namespace testsupport
