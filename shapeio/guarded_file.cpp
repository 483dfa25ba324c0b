#include "shapeio/guarded_file.h"

#include "shapeio/stream_io.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace shapeio {

GuardedFile::~GuardedFile() {
    if (active_) Rollback();
}

bool GuardedFile::Create(const std::string& path, Journal* journal) {
    if (active_) Rollback();
    path_ = path;
    journal_ = journal;
    saved_.clear();
    created_ = true;
    closed_ = false;
    originalSize_ = 0;
    // A folder of that name could never be replaced by the file, and a link
    // is never replaced.
    if (platform::IsDirectory(path) || platform::IsSymbolicLink(path)) {
        errno = platform::IsSymbolicLink(path) ? ELOOP : EISDIR;
        return false;
    }
    active_ = newFile_.Create(path);
    return active_;
}

bool GuardedFile::OpenExisting(const std::string& path, Journal& journal) {
    if (active_) Rollback();
    path_ = path;
    journal_ = &journal;
    saved_.clear();
    created_ = false;
    closed_ = false;
    file_ = platform::OpenToUpdate(path);
    nothingThere_ = !file_ && errno == ENOENT;
    if (!file_) return false;
    struct stat st;
    originalSize_ = ::fstat(platform::DescriptorOf(file_.get()), &st) == 0 ? static_cast<int64_t>(st.st_size) : -1;
    if (originalSize_ < 0 || !journal.Begin(path, originalSize_) ||
        (journal.Defers() && !held_.Open(file_.get(), originalSize_))) {
        file_.reset();
        return false;
    }
    deferred_ = journal.Defers();
    active_ = true;
    return true;
}

bool GuardedFile::Preserve(int64_t offset, int64_t length) {
    if (!IsOpen() || created_) return IsOpen();
    int64_t end = std::min(offset + length, originalSize_);
    if (offset < 0 || offset >= end) return true;
    SavedRange range{offset, std::string(static_cast<size_t>(end - offset), '\0')};
    if (!SeekTo(file_.get(), offset) || !ReadExact(file_.get(), &range.bytes[0], range.bytes.size())) return false;
    if (journal_ && !journal_->Save(path_, range.offset, range.bytes)) return false;
    saved_.push_back(std::move(range));
    return true;
}

bool GuardedFile::Close(int64_t length) {
    std::FILE* stream = get();
    if (!stream) return false;
    closed_ = true;
    bool ok = std::fflush(stream) == 0 && !std::ferror(stream);
    if (deferred_) {
        // Open until Keep() hands the held writes to the change.
        return ok && (length < 0 || held_.Cut(length));
    }
    if (ok && length >= 0) ok = platform::TruncateFile(stream, length);
    if (ok && !kept_) ok = platform::SyncFile(stream);
    if (created_) return ok;  // held until it is put in place or removed
    return platform::CloseFile(file_) && ok;
}

bool GuardedFile::Keep() {
    closed_ = false;
    if (deferred_) {
        // What was written over the file's first bytes waits for the commit.
        deferred_ = false;
        HeldWrites held;
        // What grew past the file's bytes reaches it, or the file is not kept.
        const bool flushed = held_.Close(held) && platform::CloseFile(file_);
        file_.reset();
        if (!flushed) {
            Rollback();
            return false;
        }
        journal_->WriteAtCommit(path_, std::move(held));
    }
    file_.reset();
    if (!active_) {
        newFile_.Discard();
        return true;
    }
    active_ = false;
    saved_.clear();
    if (!created_) {
        if (kept_) kept_->Add(path_);
        return true;
    }
    if (journal_ && journal_->Defers()) {
        // Put in place by the change's commit.
        journal_->PlaceAtCommit(path_, std::move(newFile_));
        return true;
    }
    if (journal_ && !journal_->Replacing(path_)) {
        newFile_.Discard();
        return false;
    }
    const bool placed = newFile_.Place();
    if (placed && kept_) kept_->Add(path_);
    return placed;
}

bool GuardedFile::Rollback() {
    closed_ = false;
    if (deferred_) {
        // The held writes go; the file only lost what grew past its bytes.
        deferred_ = false;
        HeldWrites dropped;
        held_.Close(dropped);
        saved_.clear();
    }
    file_.reset();
    newFile_.Discard();
    if (!active_) return true;
    active_ = false;
    if (created_) return true;
    platform::FilePtr file = platform::OpenToUpdate(path_);
    bool ok = file && platform::TruncateFile(file.get(), originalSize_);
    for (const SavedRange& range : saved_) {
        ok = ok && SeekTo(file.get(), range.offset) && WriteAll(file.get(), range.bytes);
    }
    if (file) ok = platform::CloseFile(file) && ok;
    saved_.clear();
    return ok;
}

}  // namespace shapeio
