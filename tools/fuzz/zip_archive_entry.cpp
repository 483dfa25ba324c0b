// Arbitrary bytes as a zip archive of a county: listed with the masks of the
// record files, then unpacked into an empty folder.
#include "fuzz_entries.h"
#include "scratch_folder.h"

#include "platform/files.h"
#include "platform/zip_control.h"

#include <cstdlib>
#include <map>
#include <string>
#include <sys/stat.h>
#include <zip.h>

namespace fuzz {

namespace {

// A name the control hands out must be a plain file name of the folder.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

// What each entry of the archive declares it unpacks to, by the name it has
// in the extract folder (its base name).
std::map<std::string, zip_uint64_t> DeclaredSizes(const std::string& archivePath) {
    std::map<std::string, zip_uint64_t> sizes;
    int error = 0;
    zip_t* archive = zip_open(archivePath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) return sizes;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME) ||
            !(st.valid & ZIP_STAT_SIZE))
            continue;
        const std::string name = st.name;
        sizes[name.substr(name.find_last_of("/\\") + 1)] = st.size;
    }
    zip_discard(archive);
    return sizes;
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
    // files in it, each of the size its entry declares (an entry of another
    // size is damaged and left out).
    if (platform::ListDirectory(folder.path()) != std::vector<std::string>{"county.zip", "unzipped"}) std::abort();
    const std::map<std::string, zip_uint64_t> declared = DeclaredSizes(archive);
    for (const std::string& name : platform::ListDirectory(out)) {
        struct stat status;
        if (!IsPlainName(name) || ::lstat((out + "/" + name).c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            std::abort();
        const auto size = declared.find(name);
        if (size == declared.end() || size->second != static_cast<zip_uint64_t>(status.st_size)) std::abort();
    }
}

}  // namespace fuzz
