#include "shapeio/county_record.h"

#include "platform/files.h"
#include "shapeio/journal.h"
#include "shapeio/layer_output.h"
#include "shapeio/stream_io.h"

namespace shapeio {

namespace {

constexpr char kFirstLine[] = "pellard counties 1";
// Where the parts of a line start: "<how> <code> <version> <edition> <file>".
constexpr size_t kKeyAt = 2, kKeyLength = 12, kFileAt = kKeyAt + kKeyLength + 1;

// `text` in `width` characters (cut or filled with blanks), control
// characters as '?'.
std::string Fixed(std::string text, size_t width) {
    text.resize(width, ' ');
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    }
    return text;
}

// Whether `line` is one the record holds after its first: a county's key
// in its widths and a file of the folder.
bool RecordLine(const std::string& line) {
    return line.size() > kFileAt && (line[0] == 'n' || line[0] == 'a') && line[1] == ' ' && line[7] == ' ' &&
           line[12] == ' ' && line[14] == ' ' && NameInFolderOrBelow(line.substr(kFileAt));
}

}  // namespace

std::string CountyKey::Text() const {
    return Fixed(code, 5) + " " + Fixed(version, 4) + " " + Fixed(std::string(1, edition), 1);
}

std::string CountyKey::Describe() const {
    const std::string text = Text();
    return "county " + text.substr(0, 5) + ", VERSION " + text.substr(6, 4) + ", edition " + text.substr(11, 1);
}

bool CountyRecord::Load(const std::string& folder, JobServices& services) {
    key_.clear();
    begun_ = false;
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
    const std::string first = std::string(kFirstLine) + "\n";
    if (text.compare(0, first.size(), first) != 0 || text.back() != '\n') return fail(damaged);
    // Checked whole before the county relies on it.
    for (size_t at = first.size(); at < text.size();) {
        const size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!RecordLine(line)) return fail(damaged);
        entries_.push_back({line[0] == 'n', line.substr(kKeyAt, kKeyLength), line.substr(kFileAt)});
        const char edition = line[kKeyAt + kKeyLength - 1];
        if (editions_.find(edition) == std::string::npos) editions_ += edition;
    }
    begun_ = true;
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

std::string CountyRecord::FirstLine() { return std::string(kFirstLine) + "\n"; }

std::string CountyRecord::Line(const std::string& relative, bool made) const {
    return std::string(made ? "n " : "a ") + key_ + " " + relative + "\n";
}

}  // namespace shapeio
