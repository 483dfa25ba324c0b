// Whole reads and writes on the writers' streams, their positions, a file's
// length, and the reason of the last failed system call: what the guarded
// files, their journal and every writer share.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace shapeio {

// Writes all of `bytes` at the stream's position; false on a short write.
bool WriteAll(std::FILE* file, const std::string& bytes);
// Reads exactly `length` bytes; false when fewer could be read.
bool ReadExact(std::FILE* file, void* buffer, size_t length);
// Positions the stream at a byte offset from the start or, for SEEK_END, from the end.
bool SeekTo(std::FILE* file, int64_t offset, int whence = SEEK_SET);
// The stream's position, or -1.
int64_t TellPosition(std::FILE* file);
// The whole of the regular file at `path` (or its first `limit` bytes, or
// a few more) appended to `text`, read without following a link and without
// waiting on what is no regular file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text, size_t limit = SIZE_MAX);
// Length of the file at `path`, or -1.
int64_t FileSize(const std::string& path);
// The reason of the last failed system call, as " (no space left on
// device)" or " (not a regular file)"; "" when there is none. Take it
// right after the failure.
std::string SystemReason();

}  // namespace shapeio
