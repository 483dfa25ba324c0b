#include "platform/appended_lines.h"

#include "platform/files.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdio>
#include <utility>

namespace platform {

namespace {

long long SizeOf(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<long long>(st.st_size) : 0;
}

}  // namespace

AppendedLines::AppendedLines(std::string path) : path_(std::move(path)), size_(SizeOf(path_)) {}

std::vector<std::string> AppendedLines::Read() const {
    std::vector<std::string> lines;
    FilePtr log = OpenFile(path_, "rb");
    if (!log || SizeOf(path_) <= size_ || ::fseeko(log.get(), static_cast<off_t>(size_), SEEK_SET) != 0)
        return lines;
    std::string text;
    char block[4096];
    for (size_t n; (n = std::fread(block, 1, sizeof block, log.get())) > 0;) text.append(block, n);
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string FirstLineStartingWith(const std::vector<std::string>& lines, const std::string& prefix) {
    for (const std::string& line : lines)
        if (line.compare(0, prefix.size(), prefix) == 0) return line;
    return {};
}

}  // namespace platform
