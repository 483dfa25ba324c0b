// A stream over a file that a county continues in a merged folder, which
// leaves the bytes the file had (its first `length` bytes) as they were
// until the county's change is committed: what is written over them is held
// in memory (HeldWrites) and written into the file only then, once the
// journal that keeps them is on disk; what is written past them goes to the
// file at once. Reads see the held writes. A power cut before the commit can
// so leave no more than bytes past the file's first length, which its
// journal's recorded length cuts off again.
#pragma once

#include "platform/files.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace shapeio {

// The writes held over a file's first bytes, and the length it is to end
// at when that is shorter than those bytes (-1: none).
struct HeldWrites {
    struct Write {
        int64_t offset;
        std::string bytes;
    };
    std::vector<Write> writes;
    int64_t cutTo = -1;

    bool Empty() const { return writes.empty() && cutTo < 0; }
    // Writes them into `file`, in the order they were made, and flushes the
    // stream; false when one did not reach it.
    bool WriteInto(std::FILE* file) const;
};

class HeldStream {
public:
    HeldStream();
    ~HeldStream();
    HeldStream(const HeldStream&) = delete;
    HeldStream& operator=(const HeldStream&) = delete;

    // A stream over `file` (which it does not own, and which must stay open
    // while it is used) whose first `length` bytes are held; false when it
    // cannot be made.
    bool Open(std::FILE* file, int64_t length);
    std::FILE* get() const { return stream_; }
    // Flushes the stream into the file and the held writes, then cuts the
    // file to `length` bytes: past its first bytes at once, within them when
    // the writes are written in. False on a failed write.
    bool Cut(int64_t length);
    // Closes the stream (flushed) and hands over the writes it holds.
    bool Close(HeldWrites& held);

    struct State;  // what the stream's functions work on

private:
    std::unique_ptr<State> state_;
    std::FILE* stream_ = nullptr;
};

}  // namespace shapeio
