#include "shapeio/journal.h"

#include "shapeio/guarded_file.h"

#include <filesystem>
#include <map>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace shapeio {

// The journal is a list of records, each a header line followed by raw
// bytes: "file <length> <path size>\n<path>" and
// "range <offset> <byte count> <path size>\n<path><bytes>". A record cut by
// the end of the file was never followed by a change: it is ignored.

namespace {

constexpr char kMagic[] = "pellard journal 1\n";

struct Recorded {
    int64_t length = -1;
    std::vector<std::pair<int64_t, std::string>> ranges;
};

// Reads the records of a journal; false when it is no journal.
bool ReadJournal(const std::string& text, std::map<std::string, Recorded>& files) {
    const std::string magic(kMagic);
    if (text.compare(0, magic.size(), magic) != 0) return false;
    size_t at = magic.size();
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        if (end == std::string::npos) break;
        const std::string header = text.substr(at, end - at);
        at = end + 1;
        long long a = 0, b = 0, pathSize = 0;
        char kind[8] = {};
        const bool isFile = std::sscanf(header.c_str(), "%7s %lld %lld", kind, &a, &pathSize) == 3 &&
                            std::string(kind) == "file";
        const bool isRange = !isFile && std::sscanf(header.c_str(), "%7s %lld %lld %lld", kind, &a, &b, &pathSize) == 4 &&
                             std::string(kind) == "range";
        if ((!isFile && !isRange) || pathSize < 0 || b < 0) return true;
        const size_t need = static_cast<size_t>(pathSize) + (isRange ? static_cast<size_t>(b) : 0);
        if (text.size() - at < need) return true;  // cut off: no change followed it
        const std::string file = text.substr(at, static_cast<size_t>(pathSize));
        at += static_cast<size_t>(pathSize);
        if (isFile) {
            files[file].length = a;
        } else {
            files[file].ranges.emplace_back(a, text.substr(at, static_cast<size_t>(b)));
            at += static_cast<size_t>(b);
        }
    }
    return true;
}

}  // namespace

bool Journal::Recover(JobServices& services) {
    if (!platform::FileExists(path_)) return true;
    std::string text;
    {
        platform::FilePtr in = platform::OpenFile(path_, "rb");
        if (in) {
            char buffer[1 << 16];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) text.append(buffer, n);
        }
    }
    std::map<std::string, Recorded> files;
    if (!ReadJournal(text, files)) files.clear();
    for (const auto& [file, recorded] : files) {
        if (recorded.length < 0) continue;
        bool ok = platform::FileExists(file);
        if (ok) {
            std::error_code error;
            std::filesystem::resize_file(file, static_cast<uintmax_t>(recorded.length), error);
            ok = !error;
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
    return Append("file " + std::to_string(length) + " " + std::to_string(file.size()) + "\n" + file);
}

bool Journal::Save(const std::string& file, int64_t offset, const std::string& bytes) {
    return Append("range " + std::to_string(offset) + " " + std::to_string(bytes.size()) + " " +
                  std::to_string(file.size()) + "\n" + file + bytes);
}

void Journal::Commit() {
    if (!file_) return;
    file_.reset();
    std::remove(path_.c_str());
}

}  // namespace shapeio
