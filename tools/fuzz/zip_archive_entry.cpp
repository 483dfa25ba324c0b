// Arbitrary bytes as a zip archive of a county: listed with the masks of the
// record files, then unpacked into an empty folder.
#include "fuzz_entries.h"
#include "scratch_folder.h"

#include "platform/files.h"
#include "platform/zip_control.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace fuzz {

namespace {

// A name the control hands out must be a plain file name of the folder.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

}  // namespace

void UnpackArchive(const uint8_t* data, size_t size) {
    static const ScratchFolder folder;
    folder.Clear();
    const std::string archive = folder / "county.zip";
    const std::string out = folder / "unzipped";
    WriteBytes(archive, std::string_view(reinterpret_cast<const char*>(data), size));
    MakeFolder(out);

    platform::ZipControl zip;
    zip.SetExtractFolder(out);
    zip.SetZipFileName(archive);
    zip.SetFileSpecs("*.rt?\r*.bw?\r*.f6?\r*.met");
    int listed = 0;
    zip.OnListingFile = [&listed](const std::string& name) {
        if (!IsPlainName(name)) std::abort();
        ++listed;
    };
    short result = zip.ListMatchingFiles();
    if ((result == platform::ZipControl::kSuccess) != (listed > 0)) std::abort();

    zip.SetFileSpecs("*");
    zip.ExtractFiles(0);

    // Nothing beside the archive and the extract folder, nothing but plain
    // files in it.
    if (platform::ListDirectory(folder.path()) != std::vector<std::string>{"county.zip", "unzipped"}) std::abort();
    for (const std::string& name : platform::ListDirectory(out)) {
        struct stat status;
        if (!IsPlainName(name) || ::lstat((out + "/" + name).c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            std::abort();
    }
}

}  // namespace fuzz
