#include "shapeio/journal.h"

#include "platform/paths.h"
#include "shapeio/guarded_file.h"

#include <filesystem>
#include <map>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace shapeio {

// The journal is a list of records, each a header line followed by raw
// bytes: "file <length> <name size>\n<name>" and
// "range <offset> <byte count> <name size>\n<name><bytes>". A name is that
// of a file beside the journal, of the layer it guards: for the journal
// "roads.journal" (or "roads.kml.journal") the files "roads" or "roads.<ext>"
// (or "roads.kml"). A record cut by the end of the file was never followed
// by a change: it is ignored.

namespace {

constexpr char kMagic[] = "pellard journal 1\n";
constexpr char kSuffix[] = ".journal";

struct Recorded {
    int64_t length = -1;
    std::vector<std::pair<int64_t, std::string>> ranges;
};

enum class JournalText { kEmpty, kRead, kDamaged };

// True when `name` is one of the files the journal named `journalName`
// guards.
bool GuardedName(const std::string& journalName, const std::string& name) {
    const std::string stem = journalName.substr(0, journalName.size() - (sizeof kSuffix - 1));
    if (stem.empty() || name.compare(0, stem.size(), stem) != 0) return false;
    if (name.size() == stem.size()) return true;
    const std::string extension = name.substr(stem.size());
    return extension.size() > 1 && extension[0] == '.' && extension.find('/') == std::string::npos &&
           extension.find('.', 1) == std::string::npos;
}

// Reads the records of a journal. kEmpty: the run was stopped before it
// wrote anything (the text is part of the first line at most); kDamaged:
// the text is no journal of this layer, or names a change that cannot have
// been made.
JournalText ReadJournal(const std::string& text, const std::string& journalName,
                        std::map<std::string, Recorded>& files) {
    const std::string magic(kMagic);
    if (text.size() < magic.size()) {
        return magic.compare(0, text.size(), text) == 0 ? JournalText::kEmpty : JournalText::kDamaged;
    }
    if (text.compare(0, magic.size(), magic) != 0) return JournalText::kDamaged;
    size_t at = magic.size();
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        if (end == std::string::npos) break;
        const std::string header = text.substr(at, end - at);
        at = end + 1;
        long long a = 0, b = 0, nameSize = 0;
        char kind[8] = {};
        const bool isFile = std::sscanf(header.c_str(), "%7s %lld %lld", kind, &a, &nameSize) == 3 &&
                            std::string(kind) == "file";
        const bool isRange = !isFile && std::sscanf(header.c_str(), "%7s %lld %lld %lld", kind, &a, &b, &nameSize) == 4 &&
                             std::string(kind) == "range";
        if ((!isFile && !isRange) || nameSize <= 0 || a < 0 || b < 0) return JournalText::kDamaged;
        const size_t need = static_cast<size_t>(nameSize) + (isRange ? static_cast<size_t>(b) : 0);
        if (text.size() - at < need) break;  // cut off: no change followed it
        const std::string name = text.substr(at, static_cast<size_t>(nameSize));
        at += static_cast<size_t>(nameSize);
        if (!GuardedName(journalName, name)) return JournalText::kDamaged;
        Recorded& recorded = files[name];
        if (isFile) {
            if (recorded.length >= 0 || !recorded.ranges.empty()) return JournalText::kDamaged;
            recorded.length = a;
        } else {
            // Only bytes of the file as it was are ever kept.
            if (recorded.length < 0 || a > recorded.length || b > recorded.length - a) return JournalText::kDamaged;
            recorded.ranges.emplace_back(a, text.substr(at, static_cast<size_t>(b)));
            at += static_cast<size_t>(b);
        }
    }
    return JournalText::kRead;
}

}  // namespace

bool Journal::Recover(JobServices& services) {
    if (!platform::FileExists(path_)) return true;
    std::string text;
    bool read = false;
    {
        platform::FilePtr in = platform::OpenFile(path_, "rb");
        if (in) {
            char buffer[1 << 16];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) text.append(buffer, n);
            read = !std::ferror(in.get());
        }
    }
    std::map<std::string, Recorded> files;
    const JournalText state = read ? ReadJournal(text, platform::FileNameOfPath(path_), files) : JournalText::kDamaged;
    if (state == JournalText::kDamaged) {
        services.WriteLogLine("Could not restore the files of the journal " + path_ +
                              ": it is damaged; the layer's files are left as they are");
        services.FailCounty();
        return false;
    }
    const std::string folder = platform::DirectoryOfPath(path_);
    for (const auto& [name, recorded] : files) {
        const std::string file = folder + name;
        // A continued file only grows: one shorter than it was cannot be
        // put back.
        bool ok = recorded.length >= 0 && platform::FileExists(file);
        if (ok) {
            std::error_code error;
            const uintmax_t size = std::filesystem::file_size(file, error);
            ok = !error && size >= static_cast<uintmax_t>(recorded.length);
            if (ok) std::filesystem::resize_file(file, static_cast<uintmax_t>(recorded.length), error);
            ok = ok && !error;
        }
        platform::FilePtr out = ok ? platform::OpenFile(file, "r+b") : nullptr;
        ok = ok && out != nullptr;
        for (const auto& [offset, bytes] : recorded.ranges) ok = ok && SeekTo(out.get(), offset) && WriteAll(out.get(), bytes);
        if (out) ok = platform::CloseFile(out) && ok;
        if (!ok) {
            services.WriteLogLine("Could not restore file " + file + " from its journal " + path_);
            services.FailCounty();
            return false;
        }
        services.WriteLogLine("Restored file " + file + " as it was before a run that stopped while continuing it");
    }
    std::remove(path_.c_str());
    return true;
}

bool Journal::Append(const std::string& record) {
    if (!file_) {
        file_ = platform::OpenFile(path_, "wb");
        if (!file_ || !WriteAll(file_.get(), kMagic)) return false;
    }
    return WriteAll(file_.get(), record) && std::fflush(file_.get()) == 0 && ::fsync(::fileno(file_.get())) == 0;
}

bool Journal::Begin(const std::string& file, int64_t length) {
    const std::string name = platform::FileNameOfPath(file);
    return Append("file " + std::to_string(length) + " " + std::to_string(name.size()) + "\n" + name);
}

bool Journal::Save(const std::string& file, int64_t offset, const std::string& bytes) {
    const std::string name = platform::FileNameOfPath(file);
    return Append("range " + std::to_string(offset) + " " + std::to_string(bytes.size()) + " " +
                  std::to_string(name.size()) + "\n" + name + bytes);
}

void Journal::Commit() {
    if (!file_) return;
    file_.reset();
    std::remove(path_.c_str());
}

}  // namespace shapeio
