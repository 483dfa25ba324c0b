#include "shapeio/county_record.h"

#include "platform/files.h"
#include "shapeio/journal.h"
#include "shapeio/layer_output.h"
#include "shapeio/stream_io.h"

#include <algorithm>

namespace shapeio {

namespace {

constexpr char kFirstLine[] = "pellard counties ";
// Where the parts of a line start: "<how> <code> <version> <edition> <size>
// <file>" (no size in version 1).
constexpr size_t kKeyAt = 2, kKeyLength = 12, kSizeAt = kKeyAt + kKeyLength + 1;
// Far above any file's size: 18 digits at most.
constexpr size_t kSizeDigits = 18;

// `text` in `width` characters (cut or filled with blanks), control
// characters as '?'.
std::string Fixed(std::string text, size_t width) {
    text.resize(width, ' ');
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    }
    return text;
}

// Reads `line`, one the record holds after its first, of `version`: a
// county's key in its widths, its size (version 2) and a file of the
// folder. False when it is anything else.
bool ReadLine(const std::string& line, int version, bool& made, long long& size, std::string& file) {
    if (line.size() <= kSizeAt || (line[0] != 'n' && line[0] != 'a') || line[1] != ' ' || line[7] != ' ' ||
        line[12] != ' ' || line[14] != ' ') {
        return false;
    }
    made = line[0] == 'n';
    size = -1;
    size_t fileAt = kSizeAt;
    if (version == 2) {
        while (fileAt < line.size() && fileAt - kSizeAt <= kSizeDigits && line[fileAt] >= '0' && line[fileAt] <= '9') {
            ++fileAt;
        }
        if (fileAt == kSizeAt || fileAt - kSizeAt > kSizeDigits || fileAt >= line.size() || line[fileAt] != ' ') {
            return false;
        }
        size = std::stoll(line.substr(kSizeAt, fileAt - kSizeAt));
        ++fileAt;
    }
    file = line.substr(fileAt);
    return NameInFolderOrBelow(file);
}

}  // namespace

std::string CountyKey::Text() const {
    return Fixed(code, 5) + " " + Fixed(version, 4) + " " + Fixed(std::string(1, edition), 1);
}

std::string CountyKey::Describe() const {
    const std::string text = Text();
    return "county " + text.substr(0, 5) + ", VERSION " + text.substr(6, 4) + ", edition " + text.substr(11, 1);
}

std::vector<std::string> CountyRecord::Files() const {
    std::vector<std::string> files;
    for (const Entry& entry : entries_) {
        if (std::find(files.begin(), files.end(), entry.file) == files.end()) files.push_back(entry.file);
    }
    return files;
}

bool CountyRecord::Load(const std::string& folder, JobServices& services) {
    key_.clear();
    begun_ = false;
    version_ = 2;
    entries_.clear();
    editions_.clear();
    holds_.clear();
    const std::string path = folder + "/" + kCountyRecordName;
    auto fail = [&services](const std::string& message) {
        services.WriteLogLine(message);
        services.FailCounty();
        return false;
    };
    const platform::PathKind kind = platform::KindOfPath(path);
    if (kind == platform::PathKind::kMissing) return true;
    if (kind == platform::PathKind::kLink) return fail(LinkRefusal(path));
    const std::string damaged = "The record of counties " + path + " is damaged: the merged layers of " + folder +
                                " and the record are left as they are";
    if (kind != platform::PathKind::kRegular) return fail(damaged);
    std::string text;
    if (!ReadWholeFile(path, text)) return fail("Could not read " + path + SystemReason());
    int version = 0;
    for (const int known : {1, 2}) {
        const std::string first = kFirstLine + std::to_string(known) + "\n";
        if (text.compare(0, first.size(), first) == 0) version = known;
    }
    if (version == 0 || text.back() != '\n') return fail(damaged);
    // Checked whole before the county relies on it.
    for (size_t at = CountyRecord::FirstLine().size(); at < text.size();) {
        const size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        Entry entry;
        if (!ReadLine(line, version, entry.made, entry.size, entry.file)) return fail(damaged);
        entry.key = line.substr(kKeyAt, kKeyLength);
        const char edition = entry.key.back();
        if (editions_.find(edition) == std::string::npos) editions_ += edition;
        entries_.push_back(std::move(entry));
    }
    begun_ = true;
    version_ = version;
    return true;
}

void CountyRecord::Identify(const CountyKey& county) {
    key_ = county.Text();
    holds_.clear();
    for (const Entry& entry : entries_) {
        const bool ours = entry.key == key_;
        bool& holds = holds_[entry.file];
        holds = entry.made ? ours : holds || ours;
    }
}

bool CountyRecord::Holds(const std::string& relative) const {
    const auto file = holds_.find(relative);
    return file != holds_.end() && file->second;
}

long long CountyRecord::LastSize(const std::string& relative) const {
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (entry->file == relative) return entry->size;
    }
    return -1;
}

std::string CountyRecord::FirstLine() { return std::string(kFirstLine) + "2\n"; }

std::string CountyRecord::Line(const std::string& relative, bool made, long long size) const {
    return std::string(made ? "n " : "a ") + key_ + " " + std::to_string(size) + " " + relative + "\n";
}

std::string CountyRecord::LinesWithSizes(const std::string& folder) const {
    std::string lines;
    for (const Entry& entry : entries_) {
        long long size = 0;
        if (platform::KindOfPath(folder + "/" + entry.file, &size) != platform::PathKind::kRegular) size = 0;
        lines += std::string(entry.made ? "n " : "a ") + entry.key + " " + std::to_string(size) + " " + entry.file +
                 "\n";
    }
    return lines;
}

}  // namespace shapeio
