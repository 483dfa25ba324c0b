#include "shapeio/journal.h"

#include "platform/paths.h"
#include "platform/private_file.h"
#include "shapeio/kept_files.h"
#include "shapeio/layer_output.h"
#include "shapeio/stream_io.h"

#include <algorithm>
#include <set>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace shapeio {

// The journal is a list of records, each a header line followed by raw
// bytes: "file <length> <name size>\n<name>",
// "range <offset> <byte count> <name size>\n<name><bytes>" and
// "new <name size>\n<name>", after a first record "county <name size>\n<name>"
// that names the county whose run wrote it (none in journals of earlier
// versions). A file's name is that of a file beside the journal, of
// the layer it guards: for the journal "roads.journal" (or
// "roads.kml.journal") the files "roads" or "roads.<ext>" (or "roads.kml").
// A file has one "file" or one "new" record, before any range of it. A
// record cut by the end of the file was never followed by a change: it is
// ignored.
//
// The journal of a county's change (version 2: "pellard journal 2" as its
// first line) guards files in its folder or the folders right below it,
// each named relative to the journal's folder ("county/ctycu.kml"). Its
// first records, after the county's, are a "file" record of every file it
// may guard, with their lengths when the change began.

namespace {

constexpr char kMagic[] = "pellard journal 1\n";
constexpr char kChangeMagic[] = "pellard journal 2\n";

struct Recorded {
    bool made = false;  // a "new" record: the file was not there
    int64_t length = -1;
    std::vector<std::pair<int64_t, std::string>> ranges;
};

enum class JournalText { kEmpty, kRead, kDamaged, kForeign };

// Whether `text` begins with the first line of a journal of either kind.
bool StartsAsJournal(const std::string& text) {
    return text.compare(0, sizeof kMagic - 1, kMagic) == 0 ||
           text.compare(0, sizeof kChangeMagic - 1, kChangeMagic) == 0;
}

// True when `name` is one of the files the journal named `journalName`
// guards.
bool GuardedName(const std::string& journalName, const std::string& name) {
    const std::string stem = journalName.substr(0, journalName.size() - (sizeof kJournalEnding - 1));
    if (stem.empty() || name.compare(0, stem.size(), stem) != 0) return false;
    if (name.size() == stem.size()) return true;
    const std::string extension = name.substr(stem.size());
    return extension.size() > 1 && extension[0] == '.' && extension.find('/') == std::string::npos &&
           extension.find('.', 1) == std::string::npos;
}

// Reads the records of a journal. kEmpty: the run was stopped before it
// wrote anything (the text is part of the first line at most); kForeign: a
// file of that name that is no journal at all; kDamaged: the text is no
// journal of this layer, or names a change that cannot have been made.
JournalText ReadJournal(const std::string& text, const std::string& journalName,
                        std::map<std::string, Recorded>& files, std::string& county) {
    const std::string magic(kMagic), changeMagic(kChangeMagic);
    if (text.size() < magic.size()) {
        const bool start = magic.compare(0, text.size(), text) == 0 || changeMagic.compare(0, text.size(), text) == 0;
        return start ? JournalText::kEmpty : JournalText::kForeign;
    }
    if (!StartsAsJournal(text)) return JournalText::kForeign;
    const bool change = text.compare(0, changeMagic.size(), changeMagic) == 0;
    size_t at = magic.size();
    while (at < text.size()) {
        const size_t recordStart = at;
        const size_t end = text.find('\n', at);
        if (end == std::string::npos) break;
        const std::string header = text.substr(at, end - at);
        at = end + 1;
        long long a = 0, b = 0, nameSize = 0;
        char kind[8] = {};
        const int fields = std::sscanf(header.c_str(), "%7s %lld %lld %lld", kind, &a, &b, &nameSize);
        const std::string kindText(kind);
        const bool isCounty = fields == 2 && kindText == "county";
        const bool isNew = fields == 2 && kindText == "new";
        const bool isFile = fields == 3 && kindText == "file";
        const bool isRange = fields == 4 && kindText == "range";
        if (isNew || isCounty) nameSize = a, a = 0;
        if (isFile) nameSize = b, b = 0;
        if ((!isNew && !isFile && !isRange && !isCounty) || nameSize <= 0 || a < 0 || b < 0) {
            return JournalText::kDamaged;
        }
        const size_t need = static_cast<size_t>(nameSize) + (isRange ? static_cast<size_t>(b) : 0);
        if (text.size() - at < need) break;  // cut off: no change followed it
        const std::string name = text.substr(at, static_cast<size_t>(nameSize));
        at += static_cast<size_t>(nameSize);
        if (isCounty) {
            // Only the first record names the county.
            if (recordStart != magic.size() || !PlainName(name)) return JournalText::kDamaged;
            county = name;
            continue;
        }
        if (change ? !NameInFolderOrBelow(name) : !GuardedName(journalName, name)) return JournalText::kDamaged;
        Recorded& recorded = files[name];
        const bool known = recorded.made || recorded.length >= 0;
        if (isNew || isFile) {
            if (known) return JournalText::kDamaged;
            recorded.made = isNew;
            recorded.length = isFile ? a : -1;
        } else {
            // Only bytes of the file as it was are ever kept.
            if (recorded.length < 0 || a > recorded.length || b > recorded.length - a) return JournalText::kDamaged;
            recorded.ranges.emplace_back(a, text.substr(at, static_cast<size_t>(b)));
            at += static_cast<size_t>(b);
        }
    }
    return JournalText::kRead;
}

using platform::KindOfPath;
using platform::PathKind;

// Whether a file the journal at `path` would guard lies beside it: its
// name without the ending, or that with the ending of a shapefile layer's
// files.
bool BesideGuardedFile(const std::string& path) {
    const std::string stem = path.substr(0, path.size() - (sizeof kJournalEnding - 1));
    for (const char* extension : {"", ".shp", ".shx", ".dbf"}) {
        if (KindOfPath(stem + extension) == PathKind::kRegular) return true;
    }
    return false;
}

// Whether the kept ranges hold every byte of [from, to): what a file that is
// now shorter than it was lacks must come back from the journal.
bool RangesCover(const Recorded& recorded, int64_t from, int64_t to) {
    std::vector<std::pair<int64_t, int64_t>> spans;
    for (const auto& [offset, bytes] : recorded.ranges) {
        spans.emplace_back(offset, offset + static_cast<int64_t>(bytes.size()));
    }
    std::sort(spans.begin(), spans.end());
    for (const auto& [start, end] : spans) {
        if (start > from) break;
        from = std::max(from, end);
    }
    return from >= to;
}

// Gives `file` back its length and, newest first so that the oldest bytes
// stay, the ranges it had. A file replaced by a shorter one is lengthened
// again, when the journal holds the bytes it lacks. `changed` tells whether
// anything had to be put back. The file is durable with the next flush.
bool PutBack(const std::string& file, const Recorded& recorded, bool& changed) {
    long long size = -1;
    if (KindOfPath(file, &size) != PathKind::kRegular) return false;
    changed = size != recorded.length || !recorded.ranges.empty();
    if (!changed) return true;
    if (size < recorded.length && !RangesCover(recorded, size, recorded.length)) return false;
    platform::FilePtr out = platform::OpenToUpdate(file);
    bool ok = out && platform::TruncateFile(out.get(), recorded.length);
    for (auto range = recorded.ranges.rbegin(); ok && range != recorded.ranges.rend(); ++range) {
        ok = SeekTo(out.get(), range->first) && WriteAll(out.get(), range->second);
    }
    return out && platform::CloseFile(out) && ok;
}

// Whether the journal at `path` is that of one layer's files (version 1),
// not a county's change.
bool IsLayerJournal(const std::string& path) { return platform::FileNameOfPath(path) != kChangeJournalName; }

}  // namespace

bool PlainName(const std::string& name) {
    for (const unsigned char c : name) {
        if (c == '/' || c < 0x20 || c == 0x7f) return false;
    }
    return true;
}

bool NameInFolderOrBelow(const std::string& relative) {
    const size_t slash = relative.find('/');
    const std::string name = slash == std::string::npos ? relative : relative.substr(slash + 1);
    const std::string folder = slash == std::string::npos ? std::string() : relative.substr(0, slash);
    return PlainName(name) && PlainName(folder) && slash != 0 && !name.empty() && name != "." && name != ".." &&
           folder != "." && folder != "..";
}

bool Journal::Restore(const std::string& path, JobServices& services, bool logEach, StoppedJournal* stopped) {
    auto fail = [&services](const std::string& message) {
        services.WriteLogLine(message);
        services.FailCounty();
        return false;
    };
    const std::string damaged =
        "Could not restore the files of the journal " + path + ": it is damaged; the layer's files are left as they are";
    const PathKind journalState = KindOfPath(path);
    if (journalState == PathKind::kMissing) return true;
    if (journalState != PathKind::kRegular) {
        // A folder, a FIFO or a link found of that name is someone's own; a
        // journal this run wrote stands where it wrote it.
        if (stopped) return true;
        return fail(journalState == PathKind::kLink ? LinkRefusal(path) : damaged);
    }
    std::string text, county;
    std::map<std::string, Recorded> files;
    // Read whole only when it starts as a journal does.
    bool read = ReadWholeFile(path, text, sizeof kMagic - 1);
    if (read && StartsAsJournal(text)) {
        text.clear();
        read = ReadWholeFile(path, text);
    }
    const JournalText state =
        read ? ReadJournal(text, platform::FileNameOfPath(path), files, county) : JournalText::kDamaged;
    // A change's journal holding no more than the start of its first line
    // is this program's, named before its first flush: nothing it guards
    // changed yet.
    if (state == JournalText::kEmpty && !IsLayerJournal(path)) {
        if (platform::RemoveFile(path)) return true;
        return fail("Could not remove the journal " + path + SystemReason());
    }
    // Someone's own file: left alone. So is one found that holds no more
    // than the start of the journal's first line, unless it lies beside a
    // file it would guard (what a stop right after an earlier version made
    // a journal leaves).
    if (state == JournalText::kForeign || (state == JournalText::kEmpty && stopped && !BesideGuardedFile(path))) {
        return true;
    }
    if (stopped) *stopped = StoppedJournal{true, county};
    if (state == JournalText::kDamaged) return fail(damaged);
    const std::string folder = platform::DirectoryOfPath(path);
    std::vector<std::string> changed;
    // Links first: nothing is changed when one stands where a file goes.
    for (const auto& [name, recorded] : files) {
        if (KindOfPath(folder + name) == PathKind::kLink) return fail(LinkRefusal(folder + name));
    }
    for (const auto& [name, recorded] : files) {
        const std::string file = folder + name;
        const PathKind fileState = KindOfPath(file);
        if (recorded.made) {
            if (fileState == PathKind::kMissing) continue;
            if (fileState != PathKind::kRegular || !platform::RemoveFile(file)) {
                return fail("Could not remove file " + file + " as its journal " + path + " asks");
            }
            changed.push_back(file);
            if (logEach) services.WriteLogLine("Removed file " + file + ", made by a run that stopped before it ended");
            continue;
        }
        if (fileState == PathKind::kMissing) {
            // A file a county's change only might have continued, gone since.
            if (recorded.ranges.empty() && !IsLayerJournal(path)) continue;
            services.WriteLogLine("File " + file + " of the journal " + path + " is gone: nothing is put back for it");
            continue;
        }
        bool putBack = false;
        if (!PutBack(file, recorded, putBack)) {
            return fail("Could not restore file " + file + " from its journal " + path);
        }
        if (!putBack) continue;
        changed.push_back(file);
        if (logEach) {
            services.WriteLogLine("Restored file " + file + " as it was before a run that stopped while continuing it");
        }
    }
    // The files are back for good before the journal that puts them back
    // goes; its going is made durable by the next flush, and until then the
    // journal would only put them back again.
    if (!changed.empty() && !MakeDurable(services, changed)) {
        return fail("Could not restore the files of the journal " + path + SystemReason());
    }
    if (!platform::RemoveFile(path)) {
        return fail("Could not remove the journal " + path + SystemReason() + " after putting its files back");
    }
    return true;
}

std::string Journal::Header(const char* kind, const std::string& name, const std::string& numbers) const {
    return std::string(kind) + " " + numbers + (numbers.empty() ? "" : " ") + std::to_string(name.size()) + "\n" + name;
}

std::string Journal::NameOf(const std::string& file) const {
    if (!Defers()) return platform::FileNameOfPath(file);
    const std::string folder = platform::DirectoryOfPath(path_);
    return file.compare(0, folder.size(), folder) == 0 ? file.substr(folder.size()) : file;
}

std::string Journal::Lengths() {
    const std::string folder = platform::DirectoryOfPath(path_);
    std::string records;
    for (const std::string& name : folderFiles_) {
        long long size = 0;
        if (files_.count(name) || !NameInFolderOrBelow(name) ||
            KindOfPath(folder + name, &size) != PathKind::kRegular) {
            continue;
        }
        records += Header("file", name, std::to_string(size));
        files_[name].length = size;
    }
    return records;
}

bool Journal::Append(const std::string& record) {
    if (file_) {
        // A layer's journal has each record on disk before the change it
        // guards; a change's goes to disk with the county's flushes.
        return WriteAll(file_.get(), record) &&
               (Defers() ? std::fflush(file_.get()) == 0 : platform::SyncFile(file_.get()));
    }
    if (closed_) return false;  // a closed journal takes nothing more
    // The journal's first records (the county, then the first change) are
    // on disk before its name is, and its name before any file it guards
    // changes: a stop at any point leaves no journal or one that names its
    // county.
    const std::string county = services_ ? services_->CountyName() : std::string();
    const std::string head = (Defers() ? kChangeMagic : kMagic) +
                             (county.empty() || !PlainName(county) ? std::string() : Header("county", county, "")) +
                             (Defers() ? Lengths() : std::string());
    platform::PrivateFile fresh;
    if (!fresh.Create(path_) || !WriteAll(fresh.get(), head + record) || std::fflush(fresh.get()) != 0) return false;
    if (Defers()) {
        // On disk, with its name, before any file it guards changes.
        file_ = fresh.PlaceAsNew();
        if (!file_) {
            SayWhatIsInTheWay();
            return false;
        }
        // Made at the commit, it goes to disk with the commit's first flush.
        if (std::fflush(file_.get()) != 0) return false;
        return preparing_ || (services_ ? MakeDurable(*services_, {path_}) : platform::SyncFile(file_.get()));
    }
    if (!fresh.Sync()) return false;
    file_ = fresh.PlaceAsNew();
    if (!file_) {
        SayWhatIsInTheWay();
        return false;
    }
    return platform::SyncFolder(platform::DirectoryOfPath(path_));
}

void Journal::SayWhatIsInTheWay() const {
    // Every journal of this program was put back before the county began:
    // what stands there now is someone's own.
    const int error = errno;
    if (services_ && error == EEXIST) {
        const PathKind kind = KindOfPath(path_);
        if (kind == PathKind::kLink) {
            services_->WriteLogLine(LinkRefusal(path_));
        } else if (kind != PathKind::kMissing) {
            services_->WriteLogLine("The file " + path_ + " stands where the journal of " +
                                    (Defers() ? "the merged layers" : "its layer") + " goes: it is no " +
                                    "journal this program wrote and is left as it is. The merged layers are left as " +
                                    "they were before this county; move that file away and run the county again");
        }
        // The line that names it is the county's cause, not the writer's
        // that follows.
        if (kind != PathKind::kMissing) services_->FailCounty();
    }
    errno = error;
}

bool Journal::Begin(const std::string& file, int64_t length) {
    // A change's journal is made with the lengths of the files it guards.
    if (Defers() && !Written() && !Append(std::string())) return false;
    const std::string name = NameOf(file);
    if (files_.count(name)) return true;
    if (!Append(Header("file", name, std::to_string(length)))) return false;
    files_[name].length = length;
    // A file the change's journal did not know as it began: its length is
    // on disk before it grows.
    return !Defers() || !services_ || MakeDurable(*services_, {path_});
}

bool Journal::Save(const std::string& file, int64_t offset, const std::string& bytes) {
    const std::string name = NameOf(file);
    const auto found = files_.find(name);
    if (found == files_.end()) return false;
    const int64_t end = std::min(offset + static_cast<int64_t>(bytes.size()), found->second.length);
    if (offset < 0 || offset >= end) return true;
    const std::string kept = bytes.substr(0, static_cast<size_t>(end - offset));
    return Append(Header("range", name, std::to_string(offset) + " " + std::to_string(kept.size())) + kept);
}

bool Journal::Replacing(const std::string& file) {
    const std::string name = NameOf(file);
    switch (KindOfPath(file)) {
        case PathKind::kMissing:
            if (files_.count(name)) return true;  // what it was before the change is kept already
            if (!Append(Header("new", name, ""))) return false;
            files_[name].length = -1;
            return true;
        case PathKind::kRegular: {
            const auto found = files_.find(name);
            if (found != files_.end() && found->second.length < 0) return true;  // made by this change
            std::string bytes;
            return ReadWholeFile(file, bytes) && Begin(file, static_cast<int64_t>(bytes.size())) && Save(file, 0, bytes);
        }
        case PathKind::kLink: errno = ELOOP; return false;
        default: errno = EINVAL; return false;
    }
}

void Journal::PlaceAtCommit(const std::string& file, platform::PrivateFile&& made) {
    placements_.emplace_back(file, std::move(made));
}

void Journal::WriteAtCommit(const std::string& file, HeldWrites&& held) {
    if (!held.Empty()) held_.emplace_back(file, std::move(held));
}

int64_t Journal::SizeAtCommit(const std::string& file) const {
    for (const auto& [path, made] : placements_) {
        if (path == file) return FileSize(made.privatePath());
    }
    int64_t size = FileSize(file);
    for (const auto& [path, held] : held_) {
        if (path == file && held.cutTo >= 0 && size >= 0) size = std::min(size, held.cutTo);
    }
    return size < 0 ? 0 : size;
}

bool Journal::Prepare(std::vector<std::string>& files) {
    preparing_ = true;
    const bool made = Written() || Append(std::string());
    preparing_ = false;
    if (!made) return false;
    for (const auto& [path, made] : placements_) {
        if (!Replacing(path)) return false;
        files.push_back(made.privatePath());
    }
    for (const auto& [path, held] : held_) files.push_back(path);
    files.push_back(path_);
    return true;
}

bool Journal::Apply(std::vector<std::string>& files) {
    for (const auto& [path, held] : held_) {
        platform::FilePtr file = platform::OpenToUpdate(path);
        const bool written = file && held.WriteInto(file.get());
        if (!(file && platform::CloseFile(file) && written)) return false;
        files.push_back(path);
    }
    held_.clear();
    for (auto& [path, made] : placements_) {
        if (!made.Place()) return false;
        files.push_back(path);
    }
    placements_.clear();
    return true;
}

void Journal::Drop() {
    placements_.clear();
    held_.clear();
}

void Journal::Close() {
    closed_ = closed_ || file_ != nullptr;
    file_.reset();
}

bool Journal::Remove() {
    const bool written = Written();
    file_.reset();
    closed_ = false;
    files_.clear();
    Drop();
    return !written || platform::RemoveFileDurably(path_);
}

}  // namespace shapeio
