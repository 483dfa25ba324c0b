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
//
// This version writes checked journals: "pellard journal 3" (one layer's
// files) or "pellard journal 4" (a county's change) as the first line, then
// a line of 16 hex digits drawn for the journal, then frames, each
// "<size> <check>\n" and the <size> bytes of one or more records, <check>
// the 16 hex digits of a hash of the journal's digits and those bytes. The
// first frame (the head: the county, the lengths, and a layer journal's
// first record) is on disk before any file it guards changes, and before
// the journal has its name: a head that does not check is damage. Each
// later frame holds one record; what follows the head reaches the disk in
// any order and any part until the next flush, and a power cut may leave a
// hole or garbage in it, but nothing its records guard was written before
// that flush: the first frame that does not check (or is cut) ends the
// journal. A change's journal whose head is not on disk yet lies under its
// private name (platform/private_file.h).

namespace {

constexpr char kMagic[] = "pellard journal 1\n";
constexpr char kChangeMagic[] = "pellard journal 2\n";
constexpr char kCheckedMagic[] = "pellard journal 3\n";
constexpr char kCheckedChangeMagic[] = "pellard journal 4\n";
constexpr const char* kMagics[] = {kMagic, kChangeMagic, kCheckedMagic, kCheckedChangeMagic};
constexpr size_t kMagicSize = sizeof kMagic - 1;  // every first line's
constexpr size_t kDigits = 16;                    // of the journal's line, and of a check

struct Recorded {
    bool made = false;  // a "new" record: the file was not there
    int64_t length = -1;
    std::vector<std::pair<int64_t, std::string>> ranges;
};

// Whether `text` begins with the first line of a journal of any version.
bool StartsAsJournal(const std::string& text) {
    for (const char* magic : kMagics) {
        if (text.compare(0, kMagicSize, magic) == 0) return true;
    }
    return false;
}

// Whether `text`, shorter than a first line, is the start of one.
bool StartOfFirstLine(const std::string& text) {
    for (const char* magic : kMagics) {
        if (std::string(magic).compare(0, text.size(), text) == 0) return true;
    }
    return false;
}

// The check of a frame: FNV-1a over the journal's digits and the frame's
// bytes, in 16 hex digits.
std::string Check(const std::string& digits, const std::string& bytes) {
    uint64_t hash = 14695981039346656037ULL;
    for (const std::string* part : {&digits, &bytes}) {
        for (const unsigned char c : *part) hash = (hash ^ c) * 1099511628211ULL;
    }
    char text[kDigits + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// A frame of a checked journal around `bytes`.
std::string Frame(const std::string& digits, const std::string& bytes) {
    return std::to_string(bytes.size()) + " " + Check(digits, bytes) + "\n" + bytes;
}

// The frame at `at` of a checked journal: its bytes, `at` moved past it;
// false when it is cut or does not check.
bool TakeFrame(const std::string& text, const std::string& digits, size_t& at, std::string& bytes) {
    const size_t end = text.find('\n', at);
    if (end == std::string::npos || end - at > 20 + kDigits) return false;
    size_t digitsEnd = at;
    while (digitsEnd < end && text[digitsEnd] >= '0' && text[digitsEnd] <= '9') ++digitsEnd;
    if (digitsEnd == at || digitsEnd - at > 18 || text[digitsEnd] != ' ' || end - digitsEnd - 1 != kDigits) {
        return false;
    }
    const unsigned long long size = std::stoull(text.substr(at, digitsEnd - at));
    if (size > text.size() - end - 1) return false;
    bytes = text.substr(end + 1, static_cast<size_t>(size));
    if (Check(digits, bytes) != text.substr(digitsEnd + 1, kDigits)) return false;
    at = end + 1 + static_cast<size_t>(size);
    return true;
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

// Reads the records in `text` from `at` into `files` (and `county`, named
// by the first record of a journal: `first`). `whole`: the text holds
// whole records only (a checked frame's), and one cut short is damage;
// else a record cut by the end of the text was never followed by a change
// and ends the journal. False: damage, a record that cannot be read or
// names a change that cannot have been made.
bool ReadRecords(const std::string& text, size_t at, bool whole, bool change, bool first,
                 const std::string& journalName, std::map<std::string, Recorded>& files, std::string& county) {
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        if (end == std::string::npos) return !whole;
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
        if ((!isNew && !isFile && !isRange && !isCounty) || nameSize <= 0 || a < 0 || b < 0) return false;
        const size_t need = static_cast<size_t>(nameSize) + (isRange ? static_cast<size_t>(b) : 0);
        if (text.size() - at < need) return !whole;  // cut off: no change followed it
        const std::string name = text.substr(at, static_cast<size_t>(nameSize));
        at += static_cast<size_t>(nameSize);
        if (isCounty) {
            // Only the first record names the county.
            if (!first || !PlainName(name)) return false;
            county = name;
            first = false;
            continue;
        }
        first = false;
        if (change ? !NameInFolderOrBelow(name) : !GuardedName(journalName, name)) return false;
        Recorded& recorded = files[name];
        const bool known = recorded.made || recorded.length >= 0;
        if (isNew || isFile) {
            if (known) return false;
            recorded.made = isNew;
            recorded.length = isFile ? a : -1;
        } else {
            // Only bytes of the file as it was are ever kept.
            if (recorded.length < 0 || a > recorded.length || b > recorded.length - a) return false;
            recorded.ranges.emplace_back(a, text.substr(at, static_cast<size_t>(b)));
            at += static_cast<size_t>(b);
        }
    }
    return true;
}

// Reads a journal. kEmpty: the run was stopped before it wrote anything
// (the text is part of the first line at most); kForeign: a file of that
// name that is no journal at all; kDamaged: the text is no journal of this
// layer, names a change that cannot have been made, or (a checked journal)
// its head does not check; kUnflushed: a checked journal whose head does
// not check, which lay under its private name (`unplaced`): it never
// reached the disk whole, and nothing it guards changed.
enum class JournalText { kEmpty, kRead, kDamaged, kForeign, kUnflushed };

JournalText ReadJournal(const std::string& text, const std::string& journalName, bool unplaced,
                        std::map<std::string, Recorded>& files, std::string& county) {
    // Under its private name, what does not begin as a journal never
    // reached the disk.
    if (unplaced && (text.size() < kMagicSize || !StartsAsJournal(text))) return JournalText::kUnflushed;
    if (text.size() < kMagicSize) return StartOfFirstLine(text) ? JournalText::kEmpty : JournalText::kForeign;
    if (!StartsAsJournal(text)) return JournalText::kForeign;
    const bool change = text.compare(0, kMagicSize, kChangeMagic) == 0 ||
                        text.compare(0, kMagicSize, kCheckedChangeMagic) == 0;
    const bool checked = text.compare(0, kMagicSize, kCheckedMagic) == 0 ||
                         text.compare(0, kMagicSize, kCheckedChangeMagic) == 0;
    if (!checked) {
        const bool read = ReadRecords(text, kMagicSize, false, change, true, journalName, files, county);
        return read ? JournalText::kRead : JournalText::kDamaged;
    }
    const JournalText headless = unplaced ? JournalText::kUnflushed : JournalText::kDamaged;
    size_t at = kMagicSize + kDigits + 1;
    if (text.size() < at || text[at - 1] != '\n') return headless;
    const std::string digits = text.substr(kMagicSize, kDigits);
    std::string bytes;
    if (!TakeFrame(text, digits, at, bytes)) return headless;
    bool first = true;
    do {
        if (!ReadRecords(bytes, 0, true, change, first, journalName, files, county)) return JournalText::kDamaged;
        first = false;
    } while (TakeFrame(text, digits, at, bytes));
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

// The path of a change's journal under its private name ("" for any other).
std::string UnplacedChangeJournal(const std::string& path) {
    const std::string name = platform::FileNameOfPath(path);
    const std::string own = std::string(kChangeJournalName) + ".partial-";
    return platform::IsPrivateFileName(name) && name.size() == own.size() + kDigits &&
                   name.compare(0, own.size(), own) == 0
               ? platform::DirectoryOfPath(path) + kChangeJournalName
               : std::string();
}

// Whether the journal at `path` (its own name) is that of one layer's
// files, not a county's change.
bool IsLayerJournal(const std::string& path) { return platform::FileNameOfPath(path) != kChangeJournalName; }

// The line that says the journal at `path` (its own name) is damaged: the
// files it guards that may hold part of the run that stopped, and what to do.
std::string DamagedLine(const std::string& path, const std::map<std::string, Recorded>& files,
                        const std::string& county) {
    const std::string folder = platform::DirectoryOfPath(path);
    std::string named;
    for (const auto& [name, recorded] : files) named += (named.empty() ? "" : ", ") + name;
    std::string doubt;
    if (!named.empty()) {
        doubt = "the files it names in " + folder + " (" + named + ")";
    } else if (!IsLayerJournal(path)) {
        doubt = "the merged layers of " + folder + " and their record of counties";
    } else {
        const std::string stem = platform::FileNameOfPath(path.substr(0, path.size() - (sizeof kJournalEnding - 1)));
        doubt = "the files " + stem + " and " + stem + ".* of its layer in " + folder;
    }
    return "Could not restore the files of the journal " + path +
           ": it is damaged where it was on disk before they changed, so " + doubt + " may hold part of the run of " +
           (county.empty() ? std::string("a county") : county) +
           " that stopped; they are left as they are. Put them back from a copy made before that run (or remove "
           "them, to make them anew with every county that asks for them), then remove the journal and run again";
}

}  // namespace

bool IsUnplacedChangeJournal(const std::string& path) { return !UnplacedChangeJournal(path).empty(); }

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
    // A change's journal found under its private name is read as the
    // journal it was to be, all but its name.
    const std::string unplaced = UnplacedChangeJournal(path);
    const std::string own = unplaced.empty() ? path : unplaced;
    std::string text, county;
    std::map<std::string, Recorded> files;
    const PathKind journalState = KindOfPath(path);
    if (journalState == PathKind::kMissing) return true;
    if (journalState != PathKind::kRegular) {
        // A folder, a FIFO or a link found of that name is someone's own; a
        // journal this run wrote stands where it wrote it.
        if (stopped) return true;
        return fail(journalState == PathKind::kLink ? LinkRefusal(path) : DamagedLine(own, files, county));
    }
    // Read whole only when it starts as a journal does.
    bool read = ReadWholeFile(path, text, kMagicSize);
    if (read && StartsAsJournal(text)) {
        text.clear();
        read = ReadWholeFile(path, text);
    }
    if (!read) {
        return fail("Could not read the journal " + path + SystemReason() + ": the files it guards are left as they are");
    }
    const JournalText state = ReadJournal(text, platform::FileNameOfPath(own), !unplaced.empty(), files, county);
    // A journal whose head never reached the disk guards no change.
    if (state == JournalText::kUnflushed) {
        if (platform::RemoveFile(path)) return true;
        return fail("Could not remove the journal " + path + SystemReason());
    }
    const std::string damaged = DamagedLine(own, files, county);
    // A change's journal holding no more than the start of its first line
    // is this program's, named before its first flush: nothing it guards
    // changed yet.
    if (state == JournalText::kEmpty && !IsLayerJournal(own)) {
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
            if (recorded.ranges.empty() && !IsLayerJournal(own)) continue;
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
    std::string failure;
    if (!changed.empty() && !MakeDurable(services, changed, &failure)) {
        return fail("Could not restore the files of the journal " + path + ": " + failure +
                    ". They are put back, but may not stay so after a power cut: the journal stays for the next run");
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
    if (std::FILE* stream = Stream()) {
        // A layer's journal has each record on disk before the change it
        // guards; a change's goes to disk with the county's flushes.
        return WriteAll(stream, Frame(digits_, record)) &&
               (Defers() ? std::fflush(stream) == 0 : platform::SyncFile(stream));
    }
    if (closed_) return false;  // a closed journal takes nothing more
    // The journal's head (the county, a change's lengths, and the first
    // record) is on disk before its name is, and its name before any file
    // it guards changes: a stop at any point leaves no journal or one whose
    // head checks, and a change's journal stopped before that under its
    // private name.
    const std::string county = services_ ? services_->CountyName() : std::string();
    const std::string head = (county.empty() || !PlainName(county) ? std::string() : Header("county", county, "")) +
                             (Defers() ? Lengths() : std::string()) + record;
    if (!unplaced_.Create(path_)) return false;
    // The private name's digits, which no other journal has.
    digits_ = unplaced_.privatePath().substr(unplaced_.privatePath().size() - kDigits);
    const std::string text = (Defers() ? kCheckedChangeMagic : kCheckedMagic) + digits_ + "\n" + Frame(digits_, head);
    if (!WriteAll(unplaced_.get(), text) || std::fflush(unplaced_.get()) != 0) {
        unplaced_.Discard();
        return false;
    }
    // Made at the commit, it goes to disk with the commit's first flush and
    // takes its name before anything is written in (Apply).
    if (preparing_) return true;
    const bool durable =
        Defers() && services_ ? MakeDurable(*services_, {unplaced_.privatePath()}, &failure_) : unplaced_.Sync();
    if (!durable) {
        SayFlushFailed();
        unplaced_.Discard();
        return false;
    }
    // A change's journal may lack its name after a stop: the next run reads
    // it under its private one.
    return Place() && ((Defers() && services_) || platform::SyncFolder(platform::DirectoryOfPath(path_)));
}

bool Journal::Place() {
    file_ = unplaced_.PlaceAsNew();
    if (!file_) SayWhatIsInTheWay();
    return file_ != nullptr;
}

void Journal::SayFlushFailed() {
    if (!services_ || failure_.empty()) return;
    const int error = errno;
    // The county's cause, not the line of the writer whose file it guards.
    services_->WriteLogLine("Could not make the journal " + path_ + " durable: " + failure_ +
                            ". The county stops before the merged layers rely on it");
    services_->FailCounty();
    failure_.clear();
    errno = error;
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
    // on disk before it grows (at the commit, with the flush that follows).
    if (!Defers() || !services_ || preparing_ || MakeDurable(*services_, {path_}, &failure_)) return true;
    SayFlushFailed();
    return false;
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
    if (!made) return preparing_ = false;
    for (const auto& [path, made] : placements_) {
        if (!Replacing(path)) return preparing_ = false;
        files.push_back(made.privatePath());
    }
    preparing_ = false;
    for (const auto& [path, held] : held_) files.push_back(path);
    files.push_back(file_ ? path_ : unplaced_.privatePath());
    return true;
}

bool Journal::Apply(std::vector<std::string>& files) {
    // A journal made at the commit takes its name first.
    if (!file_) {
        if (!Place()) return false;
        files.push_back(path_);
    }
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
    // One without its name guards no change.
    unplaced_.Discard();
}

bool Journal::Remove() {
    const bool written = file_ != nullptr || closed_;
    file_.reset();
    unplaced_.Discard();
    closed_ = false;
    files_.clear();
    Drop();
    return !written || platform::RemoveFileDurably(path_);
}

}  // namespace shapeio
