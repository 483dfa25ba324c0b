#include "tigercore/record_lines.h"

#include "platform/files.h"
#include "shapeio/stream_io.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace tigercore {

namespace {

constexpr size_t kBlockSize = size_t{4} << 20;
constexpr size_t kSmallestBlock = size_t{4} << 10;

// A block for the whole file when it is small, else kBlockSize.
size_t BlockSizeFor(std::FILE* file) {
    struct stat status;
    if (::fstat(platform::DescriptorOf(file), &status) != 0 || !S_ISREG(status.st_mode)) return kBlockSize;
    size_t size = static_cast<size_t>(status.st_size) + 1;
    return size < kSmallestBlock ? kSmallestBlock : size > kBlockSize ? kBlockSize : size;
}

// A line that holds nothing but the marks that may end a file.
bool OnlyEndOfFileMarks(std::string_view line) {
    for (char c : line) {
        if (c != '\r' && c != '\x1a') return false;
    }
    return true;
}

}  // namespace

RecordLineReader::RecordLineReader(std::FILE* file)
    : file_(file), start_(std::ftell(file)), blockSize_(BlockSizeFor(file)), block_(new char[blockSize_]) {}

bool RecordLineReader::Fill() {
    if (endOfFile_ || readError_) return false;
    std::memmove(block_.get(), block_.get() + position_, length_ - position_);
    length_ -= position_;
    feed_ = feed_ > position_ ? feed_ - position_ : 0;
    position_ = 0;
    size_t got = std::fread(block_.get() + length_, 1, blockSize_ - length_, file_);
    length_ += got;
    if (got == 0) {
        if (std::ferror(file_)) readError_ = true, error_ = errno;
        endOfFile_ = true;
        return false;
    }
    return true;
}

inline const char* RecordLineReader::FindLineEnd(size_t& endLength) {
    const char* block = block_.get();
    const char* begin = block + position_;
    const char* end = block + length_;
    const char* feed;
    if (feed_ <= position_) {
        feed = static_cast<const char*>(std::memchr(begin, '\n', static_cast<size_t>(end - begin)));
    } else if (feed_ < length_ && block[feed_] == '\n') {
        feed = block + feed_;
    } else {
        feed = static_cast<const char*>(std::memchr(block + feed_, '\n', length_ - feed_));
    }
    if (!feed) feed = end;
    const char* ret = static_cast<const char*>(std::memchr(begin, '\r', static_cast<size_t>(feed - begin)));
    if (!ret) {
        endLength = 1;
        return feed != end ? feed : nullptr;
    }
    // The lines up to that line feed (or the block's end) end in lone
    // carriage returns: their line ends are found without it.
    feed_ = static_cast<size_t>(feed - block);
    if (ret + 1 < end) {
        endLength = ret[1] == '\n' ? 2 : 1;
    } else {
        endLength = 1;
        TakeLineFeedAfterBlock();
    }
    return ret;
}

void RecordLineReader::TakeLineFeedAfterBlock() {
    if (endOfFile_) return;
    const int next = std::fgetc(file_);
    if (next == EOF) {
        if (std::ferror(file_)) readError_ = true, error_ = errno;
    } else if (next != '\n') {
        std::ungetc(next, file_);
    }
}

bool RecordLineReader::NextLine(std::string_view& line) {
    for (;;) {
        const char* begin = block_.get() + position_;
        const size_t held = length_ - position_;
        size_t endLength;
        if (const char* end = FindLineEnd(endLength)) {
            const size_t n = static_cast<size_t>(end - begin);
            position_ += n + endLength;
            line = std::string_view(begin, n);
            lineLength_ = n;
            lineEnded_ = true;
            return !readError_;
        }
        if (held == blockSize_) return LongLine(line);
        if (!Fill()) {
            if (readError_ || length_ == position_) return false;
            // The last line has no line end.
            const size_t n = length_ - position_;
            line = std::string_view(block_.get() + position_, n);
            position_ = length_;
            lineLength_ = n;
            lineEnded_ = false;
            return true;
        }
    }
}

bool RecordLineReader::LongLine(std::string_view& line) {
    constexpr size_t kKept = 4096;
    const size_t held = length_ - position_;
    longLine_.assign(block_.get() + position_, held < kKept ? held : kKept);
    size_t length = held;
    position_ = length_;
    bool ended = false;
    size_t endLength;
    while (Fill()) {
        if (const char* end = FindLineEnd(endLength)) {
            const size_t n = static_cast<size_t>(end - block_.get());
            length += n;
            position_ = n + endLength;
            ended = true;
            break;
        }
        length += length_;
        position_ = length_;
    }
    if (readError_) return false;
    line = longLine_;
    lineLength_ = length;
    lineEnded_ = ended;
    return true;
}

long long RecordLineReader::CountRecords() {
    long long lines = 0;
    long long records = 0;  // lines up to the last one that is more than end-of-file marks
    std::string_view line;
    while (NextLine(line)) {
        ++lines;
        if (!OnlyEndOfFileMarks(line)) records = lines;
    }
    if (readError_) return -1;
    if (start_ < 0 || std::fseek(file_, start_, SEEK_SET) != 0) {
        readError_ = true;
        error_ = errno;
        return -1;
    }
    position_ = length_ = feed_ = 0;
    endOfFile_ = false;
    return records;
}

std::string RecordLineReader::StopReason(long long records) const {
    if (readError_ && error_ != 0) {
        errno = error_;
        return shapeio::SystemReason();
    }
    if (readError_) return " (a read error)";
    return " (the file ended before the " + std::to_string(records) + " records it held when they were counted)";
}

std::string_view RecordLineReader::WithoutEndOfFileMarks(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\x1a')) line.remove_suffix(1);
    return line;
}

}  // namespace tigercore
