#include "platform/zip_control.h"

#include "platform/files.h"
#include "platform/private_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <zip.h>

namespace platform {

namespace {

struct ZipCloser {
    void operator()(zip_t* z) const noexcept { if (z) zip_discard(z); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
    void operator()(zip_file_t* f) const noexcept { if (f) zip_fclose(f); }
};

std::string BaseName(const std::string& name) {
    std::string::size_type cut = name.find_last_of("/\\");
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

// Why an entry must not be unpacked; empty when it is safe.
std::string UnsafeReason(zip_t* archive, zip_uint64_t index, const std::string& name) {
    if (name.empty()) return "has no name";
    if (name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':'))
        return "has an absolute name";
    std::string::size_type start = 0;
    while (start <= name.size()) {
        std::string::size_type end = name.find_first_of("/\\", start);
        if (end == std::string::npos) end = name.size();
        if (name.compare(start, end - start, "..") == 0 && end - start == 2)
            return "leads out of the extract folder";
        start = end + 1;
    }
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &opsys, &attributes) == 0 &&
        opsys == ZIP_OPSYS_UNIX) {
        mode_t mode = static_cast<mode_t>(attributes >> 16);
        if (S_ISLNK(mode)) return "is a link";
        if ((mode & S_IFMT) != 0 && !S_ISREG(mode)) return "is not a plain file";
    }
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(archive, index, 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
        st.size > ZipControl::kMaxEntrySize)
        return "is larger than 4 GiB";
    return std::string();
}

bool IsDirectoryEntry(const std::string& name) {
    return !name.empty() && (name.back() == '/' || name.back() == '\\');
}

// The first two entries of the archive that `matches` takes and that
// unpack to one name (their base name, whatever its case): "a/x.rt1 and
// b/X.RT1", or empty.
template <typename Matches>
std::string EntriesOfOneName(zip_t* archive, Matches matches) {
    std::map<std::string, std::string> seen;  // base name -> entry name
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(archive, static_cast<zip_uint64_t>(i), 0);
        const std::string name = raw ? raw : "";
        if (IsDirectoryEntry(name) || !matches(BaseName(name))) continue;
        // Record files are found whatever the case of their names.
        const auto [at, added] = seen.emplace(ToLower(BaseName(name)), name);
        if (!added) return at->second + " and " + name;
    }
    return std::string();
}

// Free bytes of the file system of `folder` for this user; -1 when unknown.
long long FreeBytes(const std::string& folder) {
    struct statvfs vfs;
    if (::statvfs(folder.c_str(), &vfs) != 0) return -1;
    return static_cast<long long>(vfs.f_bavail) * static_cast<long long>(vfs.f_frsize);
}

// Why an entry cannot be opened for reading.
std::string OpenFailure(zip_t* archive) {
    switch (zip_error_code_zip(zip_get_error(archive))) {
        case ZIP_ER_COMPNOTSUPP: return "uses a compression method that is not supported";
        case ZIP_ER_ENCRNOTSUPP:
        case ZIP_ER_NOPASSWD: return "is encrypted";
        default: return "cannot be read";
    }
}

}  // namespace

ZipControl::FolderHold ZipControl::HoldExtractFolder(const std::string& folder, const std::string& archive,
                                                    FolderLock& hold, bool& waited) {
    waited = false;
    // A job that held it before may have removed it, empty, meanwhile: it
    // is made again.
    for (int attempt = 0; attempt < 8; ++attempt) {
        MakeDirectory(folder);  // a link of that name is left as it is
        bool waitedNow = false;
        if (!hold.Hold(folder, waitedNow, FolderLock::Links::kRefused)) {
            const int error = errno;
            if (IsSymbolicLink(folder)) return FolderHold::kLink;
            errno = error;
            return FolderHold::kNotHeld;
        }
        waited = waited || waitedNow;
        if (hold.HeldAtItsPath()) break;
        hold.Release();
    }
    if (!hold.Held()) {
        errno = ESTALE;
        return FolderHold::kNotHeld;
    }
    SetExtractFolder(folder);
    SetZipFileName(archive);
    return FolderHold::kHeld;
}

std::vector<std::string> ZipControl::RemoveLeftovers(const FolderLock& hold, const std::string& baseName) const {
    const std::string county = ToLower(baseName) + ".";
    auto leftover = [&county](const std::string& name) {
        const std::string lower = ToLower(name);
        if (lower.size() <= county.size() || lower.compare(0, county.size(), county) != 0) return false;
        const std::string extension = lower.substr(county.size());
        if (extension == "met") return true;
        if (extension.size() != 3) return false;
        const std::string family = extension.substr(0, 2);
        return family == "rt" || family == "bw" || family == "f6";
    };
    std::vector<std::string> lines;
    for (const std::string& name : hold.RemoveFilesInHeldFolder(leftover))
        lines.push_back("Removed " + name + ", left in " + extractFolder_ + " by an earlier run");
    return lines;
}

std::vector<std::string> ZipControl::Masks() const {
    std::vector<std::string> masks;
    std::string::size_type start = 0;
    while (start <= fileSpecs_.size()) {
        std::string::size_type end = fileSpecs_.find('\r', start);
        if (end == std::string::npos) end = fileSpecs_.size();
        if (end > start) masks.push_back(fileSpecs_.substr(start, end - start));
        start = end + 1;
    }
    return masks;
}

bool ZipControl::Matches(const std::string& baseName) const {
    for (const std::string& mask : Masks())
        if (MatchesMask(baseName, mask)) return true;
    return false;
}

bool ZipControl::NamesAreDistinct(zip_t* archive) {
    const std::string pair = EntriesOfOneName(archive, [this](const std::string& base) { return Matches(base); });
    if (pair.empty()) return true;
    messages_.push_back("archive " + zipFileName_ + " refused: its entries " + pair + " unpack to the same name");
    return false;
}

short ZipControl::ListMatchingFiles() {
    messages_.clear();
    int error = 0;
    ZipPtr archive(zip_open(zipFileName_.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        messages_.push_back("cannot read archive " + zipFileName_);
        return kArchiveUnreadable;
    }
    if (!NamesAreDistinct(archive.get())) return kNamesCollide;
    zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    int matched = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        std::string name = raw ? raw : "";
        if (IsDirectoryEntry(name) || !Matches(BaseName(name))) continue;
        std::string why = UnsafeReason(archive.get(), static_cast<zip_uint64_t>(i), name);
        if (!why.empty()) {
            messages_.push_back("archive entry " + name + " refused: it " + why);
            continue;
        }
        ++matched;
        if (OnListingFile) OnListingFile(BaseName(name));
    }
    return matched == 0 ? kNothingMatches : kSuccess;
}

short ZipControl::ExtractFiles(short /*unused*/) {
    messages_.clear();
    int error = 0;
    ZipPtr archive(zip_open(zipFileName_.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        messages_.push_back("cannot read archive " + zipFileName_);
        return kArchiveUnreadable;
    }
    if (!NamesAreDistinct(archive.get())) return kNamesCollide;
    short result = kSuccess;
    int written = 0;
    std::string folder = extractFolder_.empty() ? std::string(".") : extractFolder_;
    if (folder.back() != '/') folder += '/';
    zip_int64_t count = zip_get_num_entries(archive.get(), 0);

    // What the matching entries would take, before anything is written.
    unsigned long long total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0);
        std::string name = raw ? raw : "";
        if (IsDirectoryEntry(name) || !Matches(BaseName(name))) continue;
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE))
            total += st.size;
    }
    const long long freeBytes = FreeBytes(folder);
    if (total > unpackLimit_ || (freeBytes >= 0 && total > static_cast<unsigned long long>(freeBytes))) {
        messages_.push_back("archive " + zipFileName_ + " refused: its county files would unpack to " +
                            std::to_string(total) + " bytes, more than " +
                            (total > unpackLimit_ ? "the " + std::to_string(unpackLimit_) + " bytes any county takes"
                                                  : "the free space of " + folder));
        return kArchiveTooLarge;
    }
    std::vector<char> buffer(1 << 16);
    unsigned long long unpacked = 0;  // bytes written so far, against the unpack limit
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_uint64_t index = static_cast<zip_uint64_t>(i);
        const char* raw = zip_get_name(archive.get(), index, 0);
        std::string name = raw ? raw : "";
        if (IsDirectoryEntry(name) || !Matches(BaseName(name))) continue;
        std::string why = UnsafeReason(archive.get(), index, name);
        if (!why.empty()) {
            messages_.push_back("archive entry " + name + " refused: it " + why);
            if (result == kSuccess) result = kEntryRefused;
            continue;
        }
        std::unique_ptr<zip_file_t, ZipFileCloser> in(zip_fopen_index(archive.get(), index, 0));
        if (!in) {
            messages_.push_back("archive entry " + name + " " + OpenFailure(archive.get()));
            result = kEntryDamaged;
            continue;
        }
        // Written under a private name beside the target and renamed over
        // it: an existing link of that name is replaced, never followed.
        const std::string target = folder + BaseName(name);
        PrivateFile out;
        if (!out.Create(target)) {
            messages_.push_back("cannot write into " + folder);
            return kWriteFailed;
        }
        // An entry's declared size is not trusted: its bytes are counted,
        // and inflating stops once they pass the declared size or what is
        // left of the limit.
        zip_stat_t st;
        zip_stat_init(&st);
        const bool sizeKnown = zip_stat_index(archive.get(), index, 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE);
        const unsigned long long left = unpackLimit_ > unpacked ? unpackLimit_ - unpacked : 0;
        const unsigned long long most = sizeKnown && st.size < left ? st.size : left;
        unsigned long long got = 0;
        bool ok = true;
        bool readFailed = false;
        std::string damage;
        for (;;) {
            zip_int64_t n = zip_fread(in.get(), buffer.data(), buffer.size());
            if (n < 0) { ok = false; readFailed = true; break; }
            if (n == 0) break;
            got += static_cast<unsigned long long>(n);
            if (got > most) {
                ok = false;
                readFailed = true;
                damage = sizeKnown && st.size <= left ? ": it holds more than the " + std::to_string(st.size) +
                                                            " bytes it declares"
                                                      : ": it holds more than the " + std::to_string(left) +
                                                            " bytes left of what any county takes";
                break;
            }
            if (std::fwrite(buffer.data(), 1, static_cast<size_t>(n), out.get()) != static_cast<size_t>(n)) {
                ok = false;
                break;
            }
        }
        if (ok && sizeKnown && got != st.size) {
            ok = false;
            readFailed = true;
            damage = ": it holds " + std::to_string(got) + " bytes, not the " + std::to_string(st.size) +
                     " it declares";
        }
        if (ok && IsSymbolicLink(target)) ::unlink(target.c_str());
        if (!ok || !out.Place()) {
            out.Discard();
            if (readFailed) {
                messages_.push_back("archive entry " + name + " is damaged" + damage);
                result = kEntryDamaged;
                continue;
            }
            messages_.push_back("cannot write " + target);
            return kWriteFailed;
        }
        ++written;
        unpacked += got;
    }
    if (written == 0 && result == kSuccess) return kNothingMatches;
    return result;
}

}  // namespace platform
