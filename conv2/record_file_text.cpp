#include "conv2/record_file_text.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace vornak2 {

namespace {
constexpr size_t kBlockSize = size_t{4} << 20;
}

bool RecordFileText::Load(std::FILE* file) {
    text_.clear();
    end_ = 0;
    // Room for the whole file at once when its size is known.
    struct stat status;
    size_t expected = 0;
    if (::fstat(::fileno(file), &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        expected = static_cast<size_t>(status.st_size);
    }
    text_.resize(expected + 1);
    size_t used = 0;
    for (;;) {
        if (used == text_.size()) text_.resize(text_.size() + kBlockSize);
        size_t wanted = std::min(kBlockSize, text_.size() - used);
        size_t got = std::fread(text_.data() + used, 1, wanted, file);
        used += got;
        if (got < wanted) break;
    }
    bool ok = !std::ferror(file);
    text_.resize(used);
    // What ends the file but is no record: line ends, empty lines, Ctrl-Z.
    end_ = used;
    while (end_ > 0 && (text_[end_ - 1] == '\n' || text_[end_ - 1] == '\r' || text_[end_ - 1] == '\x1a')) --end_;
    return ok;
}

long long RecordFileText::LineCount() const {
    if (end_ == 0) return 0;
    long long count = 1;
    const char* p = text_.data();
    const char* end = p + end_;
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)))) != nullptr) {
        ++count;
        ++p;
    }
    return count;
}

bool RecordFileText::NextLine(size_t& position, std::string_view& line) const {
    if (position >= end_) return false;
    const char* start = text_.data() + position;
    const char* feed = static_cast<const char*>(std::memchr(start, '\n', end_ - position));
    size_t length = feed ? static_cast<size_t>(feed - start) : end_ - position;
    position += length + 1;
    if (length > 0 && start[length - 1] == '\r') --length;
    line = std::string_view(start, length);
    return true;
}

}  // namespace vornak2
