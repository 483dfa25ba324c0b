// Zip archives of county files: set the extract folder, the archive and the
// name masks, list the entries that match, unpack them flat into the folder.
#pragma once

#include "platform/folder_lock.h"

#include <functional>
#include <string>
#include <vector>

struct zip;  // an open archive of the zip library

namespace platform {

class ZipControl {
public:
    // Results of ListMatchingFiles and ExtractFiles.
    static constexpr short kSuccess = 0;
    static constexpr short kArchiveUnreadable = 1;  // missing, not a zip, damaged directory
    static constexpr short kEntryRefused = 2;       // an unsafe entry was left out
    static constexpr short kWriteFailed = 3;        // the extract folder could not take a file
    static constexpr short kEntryDamaged = 4;       // an entry's data could not be read back
    static constexpr short kArchiveTooLarge = 5;    // the matching entries would not fit (nothing unpacked)
    static constexpr short kNamesCollide = 6;       // two matching entries unpack to one name (nothing done)
    static constexpr short kNothingMatches = 140;   // no entry matches the masks

    // Largest entry that is unpacked.
    static constexpr unsigned long long kMaxEntrySize = 4ULL * 1024 * 1024 * 1024;
    // Most bytes one extraction unpacks in all: far more than the record
    // files of any county.
    static constexpr unsigned long long kMaxTotalSize = 2ULL * 1024 * 1024 * 1024;

    // How HoldExtractFolder went.
    enum class FolderHold { kHeld, kLink, kNotHeld };
    // Makes `folder` when it is not there and holds it with `hold` against
    // every other job that unpacks into it, waiting for it (`waited` tells
    // whether it had to); the job lets go once it has removed what it
    // unpacked. From then on `archive` is unpacked into it. kLink: a
    // symbolic link stands where the folder goes, nothing is held;
    // kNotHeld: errno says why.
    FolderHold HoldExtractFolder(const std::string& folder, const std::string& archive, FolderLock& hold,
                                 bool& waited);
    // Removes from the extract folder, which `hold` holds, the files an
    // earlier job of the county `baseName` left there (stopped before it
    // removed what it unpacked), which would be read with this archive's:
    // every file whose name, in any case, is that name with a record file's
    // extension (.rt?, .bw?, .f6?) or .met. Nothing else, no directory, and
    // a symbolic link of such a name itself. Returns one line per file
    // removed, "Removed NAME, left in FOLDER by an earlier run".
    std::vector<std::string> RemoveLeftovers(const FolderLock& hold, const std::string& baseName) const;
    void SetExtractFolder(const std::string& folder) { extractFolder_ = folder; }
    void SetZipFileName(const std::string& archive) { zipFileName_ = archive; }
    // One or more masks joined by "\r"; '*' and '?' wildcards, matched
    // without regard to case against each entry's base name.
    void SetFileSpecs(const std::string& specs) { fileSpecs_ = specs; }
    const std::string& ExtractFolder() const { return extractFolder_; }
    const std::string& ZipFileName() const { return zipFileName_; }
    const std::string& FileSpecs() const { return fileSpecs_; }
    // Most bytes one extraction unpacks (kMaxTotalSize unless set).
    void SetUnpackLimit(unsigned long long bytes) { unpackLimit_ = bytes; }

    // Calls OnListingFile once per matching entry, with the name the entry
    // has in the extract folder (its base name). kNothingMatches when no
    // entry matches; an archive that cannot be read is an error, not a match.
    // An archive with two matching entries of one base name, whatever its
    // case (in different folders of the archive), is refused whole
    // (kNamesCollide).
    short ListMatchingFiles();
    // Writes every matching entry into the extract folder under its base
    // name. Nothing is unpacked when the matching entries add up to more
    // than the unpack limit or than the free space of the folder, or when
    // two of them have one base name. Each is written under a private name
    // (private_file.h) and renamed over the target. The bytes of an entry are counted as
    // it is inflated: an entry that holds more or fewer bytes than it
    // declares is damaged, and inflating it stops at its declared size (or
    // at what is left of the unpack limit) plus one block. The argument is
    // kept for its callers and not used.
    short ExtractFiles(short unused = 0);

    // The per-entry event of a listing.
    std::function<void(const std::string& fileName)> OnListingFile;

    // Why the last call refused an entry or failed, one text per problem.
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    std::vector<std::string> Masks() const;
    bool Matches(const std::string& baseName) const;
    // Refuses an archive two of whose matching entries have one base name:
    // a message names them, and false is returned.
    bool NamesAreDistinct(::zip* archive);

    std::string extractFolder_;
    std::string zipFileName_;
    std::string fileSpecs_;
    unsigned long long unpackLimit_ = kMaxTotalSize;
    std::vector<std::string> messages_;
};

}  // namespace platform
