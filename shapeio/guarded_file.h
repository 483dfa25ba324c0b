// An output file that can be undone. A layer that fails part-way must leave
// no file whose header disagrees with its contents: a file this object
// created is removed again, and an existing file it continued gets back its
// original length and the original bytes of every range it overwrote, so the
// rows of earlier counties stay as they were.
#pragma once

#include "platform/files.h"

#include <cstdint>
#include <string>
#include <vector>

namespace shapeio {

class GuardedFile {
public:
    GuardedFile() = default;
    ~GuardedFile();  // undoes everything unless Keep() was called
    GuardedFile(const GuardedFile&) = delete;
    GuardedFile& operator=(const GuardedFile&) = delete;

    // Creates (or empties) the file for writing ("wb").
    bool Create(const std::string& path);
    // Opens an existing file for reading and writing ("r+b"); false when it
    // cannot be opened.
    bool OpenExisting(const std::string& path);

    bool IsOpen() const { return file_ != nullptr; }
    std::FILE* get() const { return file_.get(); }
    const std::string& path() const { return path_; }
    bool created() const { return created_; }
    // Length of an existing file when it was opened (0 for a created one).
    int64_t originalSize() const { return originalSize_; }

    // Remembers the present bytes of [offset, offset + length) that lie within
    // the original file, so that Rollback() can put them back. Call it before
    // overwriting them. The stream is left at an unspecified position.
    bool Preserve(int64_t offset, int64_t length);

    // Closes the stream and, when `length` is 0 or more, cuts the file to that
    // length. False when something written did not reach the file.
    bool Close(int64_t length = -1);
    // The file stays as written; nothing is undone any more.
    void Keep();
    // Removes a created file; gives an existing file back its original length
    // and preserved bytes. False when the file could not be restored.
    bool Rollback();

private:
    struct SavedRange {
        int64_t offset;
        std::string bytes;
    };
    platform::FilePtr file_;
    std::string path_;
    bool created_ = false;
    bool active_ = false;  // something to undo
    int64_t originalSize_ = 0;
    std::vector<SavedRange> saved_;
};

// Writes all of `bytes` at the stream's position; false on a short write.
bool WriteAll(std::FILE* file, const std::string& bytes);
// Reads exactly `length` bytes; false when fewer could be read.
bool ReadExact(std::FILE* file, void* buffer, size_t length);
// Positions the stream at a byte offset from the start or, for SEEK_END, from the end.
bool SeekTo(std::FILE* file, int64_t offset, int whence = SEEK_SET);
// The stream's position, or -1.
int64_t TellPosition(std::FILE* file);
// Length of the file at `path`, or -1.
int64_t FileSize(const std::string& path);

}  // namespace shapeio
