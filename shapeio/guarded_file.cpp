#include "shapeio/guarded_file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace shapeio {

bool WriteAll(std::FILE* file, const std::string& bytes) {
    if (!file) return false;
    if (bytes.empty()) return true;
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool ReadExact(std::FILE* file, void* buffer, size_t length) {
    if (!file) return false;
    if (length == 0) return true;
    return std::fread(buffer, 1, length, file) == length;
}

bool SeekTo(std::FILE* file, int64_t offset, int whence) {
    return file && ::fseeko(file, static_cast<off_t>(offset), whence) == 0;
}

int64_t TellPosition(std::FILE* file) {
    if (!file) return -1;
    return static_cast<int64_t>(::ftello(file));
}

int64_t FileSize(const std::string& path) {
    std::error_code error;
    auto size = std::filesystem::file_size(path, error);
    if (error) return -1;
    return static_cast<int64_t>(size);
}

std::string SystemReason() {
    const int error = errno;
    if (error == 0) return std::string();
    std::string text = std::strerror(error);
    if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return " (" + text + ")";
}

GuardedFile::~GuardedFile() {
    if (active_) Rollback();
}

bool GuardedFile::Create(const std::string& path) {
    if (active_) Rollback();
    path_ = path;
    writePath_ = platform::PrivateNameBeside(path);
    journal_ = nullptr;
    saved_.clear();
    created_ = true;
    originalSize_ = 0;
    // A folder of that name could never be replaced by the file.
    if (platform::IsDirectory(path)) return false;
    file_ = platform::OpenFile(writePath_, "wb");
    active_ = file_ != nullptr;
    return active_;
}

bool GuardedFile::OpenExisting(const std::string& path, Journal& journal) {
    if (active_) Rollback();
    path_ = path;
    writePath_ = path;
    journal_ = &journal;
    saved_.clear();
    created_ = false;
    file_ = platform::OpenFile(path, "r+b");
    if (!file_) return false;
    originalSize_ = FileSize(path);
    if (originalSize_ < 0 || !journal.Begin(path, originalSize_)) {
        file_.reset();
        return false;
    }
    active_ = true;
    return true;
}

bool GuardedFile::Preserve(int64_t offset, int64_t length) {
    if (!file_ || created_) return file_ != nullptr;
    int64_t end = std::min(offset + length, originalSize_);
    if (offset < 0 || offset >= end) return true;
    SavedRange range{offset, std::string(static_cast<size_t>(end - offset), '\0')};
    if (!SeekTo(file_.get(), offset) || !ReadExact(file_.get(), &range.bytes[0], range.bytes.size())) return false;
    if (journal_ && !journal_->Save(path_, range.offset, range.bytes)) return false;
    saved_.push_back(std::move(range));
    return true;
}

bool GuardedFile::Close(int64_t length) {
    if (!file_) return false;
    std::FILE* stream = file_.get();
    bool ok = std::fflush(stream) == 0;
    if (ok && length >= 0) ok = ::ftruncate(::fileno(stream), static_cast<off_t>(length)) == 0;
    if (ok) ok = ::fsync(::fileno(stream)) == 0;
    return platform::CloseFile(file_) && ok;
}

bool GuardedFile::Keep() {
    file_.reset();
    if (!active_) return true;
    active_ = false;
    saved_.clear();
    if (created_ && !platform::RenameFile(writePath_, path_)) {
        platform::RemoveFile(writePath_);
        return false;
    }
    return true;
}

bool GuardedFile::Rollback() {
    file_.reset();
    if (!active_) return true;
    active_ = false;
    if (created_) {
        std::error_code error;
        std::filesystem::remove(writePath_, error);
        return !error;
    }
    std::error_code error;
    std::filesystem::resize_file(path_, static_cast<uintmax_t>(originalSize_), error);
    bool ok = !error;
    if (!saved_.empty()) {
        platform::FilePtr file = platform::OpenFile(path_, "r+b");
        ok = ok && file != nullptr;
        for (const SavedRange& range : saved_) {
            ok = ok && SeekTo(file.get(), range.offset) && WriteAll(file.get(), range.bytes);
        }
        if (file) ok = platform::CloseFile(file) && ok;
    }
    saved_.clear();
    return ok;
}

}  // namespace shapeio
