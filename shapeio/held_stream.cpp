#include "shapeio/held_stream.h"

#include "shapeio/stream_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace shapeio {

struct HeldStream::State {
    std::FILE* file = nullptr;
    int64_t length = 0;
    int64_t position = 0;
    HeldWrites held;

    // The file's own length, what the stream passed it flushed.
    int64_t FileLength() const {
        struct stat st;
        if (std::fflush(file) != 0 || ::fstat(platform::DescriptorOf(file), &st) != 0) return -1;
        return static_cast<int64_t>(st.st_size);
    }
    int64_t Length() const {
        const int64_t own = FileLength();
        return held.cutTo >= 0 && own >= 0 ? std::min(own, held.cutTo) : own;
    }
};

namespace {

using State = HeldStream::State;

ssize_t ReadHeld(void* cookie, char* buffer, size_t size) {
    State& s = *static_cast<State*>(cookie);
    const int64_t end = s.Length();
    if (end < 0) return -1;
    const int64_t want = std::min<int64_t>(static_cast<int64_t>(size), std::max<int64_t>(end - s.position, 0));
    if (want == 0) return 0;
    if (!SeekTo(s.file, s.position)) return -1;
    const size_t got = std::fread(buffer, 1, static_cast<size_t>(want), s.file);
    if (got == 0 && std::ferror(s.file)) return -1;
    // The held writes over what was read, in their order.
    const int64_t from = s.position, to = s.position + static_cast<int64_t>(got);
    for (const HeldWrites::Write& w : s.held.writes) {
        const int64_t start = std::max(from, w.offset);
        const int64_t stop = std::min(to, w.offset + static_cast<int64_t>(w.bytes.size()));
        if (start < stop) {
            std::memcpy(buffer + (start - from), w.bytes.data() + (start - w.offset),
                        static_cast<size_t>(stop - start));
        }
    }
    s.position = to;
    return static_cast<ssize_t>(got);
}

ssize_t WriteHeld(void* cookie, const char* buffer, size_t size) {
    State& s = *static_cast<State*>(cookie);
    // A file cut within its bytes ends there: nothing is written after.
    if (s.held.cutTo >= 0) {
        errno = EINVAL;
        return -1;
    }
    const int64_t end = s.position + static_cast<int64_t>(size);
    if (s.position < s.length) {
        const int64_t heldEnd = std::min(end, s.length);
        s.held.writes.push_back({s.position, std::string(buffer, static_cast<size_t>(heldEnd - s.position))});
    }
    if (end > s.length) {
        const int64_t from = std::max(s.position, s.length);
        const std::string past(buffer + (from - s.position), static_cast<size_t>(end - from));
        if (!SeekTo(s.file, from) || !WriteAll(s.file, past)) return -1;
    }
    s.position = end;
    return static_cast<ssize_t>(size);
}

int SeekHeld(void* cookie, off64_t* offset, int whence) {
    State& s = *static_cast<State*>(cookie);
    int64_t base = 0;
    if (whence == SEEK_CUR) base = s.position;
    if (whence == SEEK_END && (base = s.Length()) < 0) return -1;
    if (base + *offset < 0) {
        errno = EINVAL;
        return -1;
    }
    s.position = base + *offset;
    *offset = s.position;
    return 0;
}

int CloseHeld(void*) { return 0; }

}  // namespace

bool HeldWrites::WriteInto(std::FILE* file) const {
    for (const Write& w : writes) {
        if (!SeekTo(file, w.offset) || !WriteAll(file, w.bytes)) return false;
    }
    return (cutTo < 0 || platform::TruncateFile(file, cutTo)) && std::fflush(file) == 0;
}

HeldStream::HeldStream() = default;

HeldStream::~HeldStream() {
    if (stream_) std::fclose(stream_);
}

bool HeldStream::Open(std::FILE* file, int64_t length) {
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
    state_ = std::make_unique<State>();
    state_->file = file;
    state_->length = length;
    stream_ = ::fopencookie(state_.get(), "r+b", {ReadHeld, WriteHeld, SeekHeld, CloseHeld});
    return stream_ != nullptr;
}

bool HeldStream::Cut(int64_t length) {
    if (!stream_ || std::fflush(stream_) != 0) return false;
    State& s = *state_;
    if (length >= s.length) {
        s.held.cutTo = -1;
        return platform::TruncateFile(s.file, length);
    }
    // The file's own bytes stay until the commit.
    s.held.cutTo = length;
    return platform::TruncateFile(s.file, s.length);
}

bool HeldStream::Close(HeldWrites& held) {
    if (!stream_) return false;
    const bool flushed = std::fflush(stream_) == 0 && !std::ferror(stream_) && std::fflush(state_->file) == 0 &&
                         !std::ferror(state_->file);
    std::fclose(stream_);
    stream_ = nullptr;
    held = std::move(state_->held);
    return flushed;
}

}  // namespace shapeio
