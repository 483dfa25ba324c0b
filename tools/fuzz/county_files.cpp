#include "county_files.h"

#include "county_writer.h"
#include "platform/files.h"
#include "scratch_folder.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

countygen::CountySpec Spec(char edition, int width, int height) {
    countygen::CountySpec spec;
    spec.edition = edition;
    spec.width = width;
    spec.height = height;
    return spec;
}

CountyFiles::CountyFiles(const countygen::CountySpec& spec, std::vector<std::string> suffixes)
    : spec_(spec), suffixes_(std::move(suffixes)) {
    ScratchFolder scratch;
    countygen::WriteCounty(spec, scratch.path());
    for (const std::string& suffix : suffixes_)
        bytes_.push_back(ReadBytes(countygen::CountyFilePath(spec, scratch.path(), suffix)));
}

std::string CountyFiles::Write(const std::string& folder, int replaced, std::string_view replacement) const {
    for (size_t i = 0; i < suffixes_.size(); ++i)
        WriteBytes(countygen::CountyFilePath(spec_, folder, suffixes_[i]),
                   static_cast<int>(i) == replaced ? replacement : std::string_view(bytes_[i]));
    return countygen::CountyFilePath(spec_, folder, suffixes_.front());
}

LayerFiles::LayerFiles(const CountyFiles& county, const ConvertInto& convert) {
    ScratchFolder scratch;
    MakeFolder(scratch / "in");
    MakeFolder(scratch / "out");
    convert(county.Write(scratch / "in"), scratch / "out");
    Collect(scratch / "out", "");
    // Inputs pick a file modulo their count: without any, none can be.
    if (files_.empty()) {
        std::fprintf(stderr, "fuzz: the reference conversion left no layer files in %s\n", (scratch / "out").c_str());
        std::abort();
    }
}

void LayerFiles::Write(const std::string& out, int replaced, std::string_view replacement) const {
    if (Count() > 0) replaced %= 2 * Count();
    for (const std::string& folder : folders_) MakeFolder(out + "/" + folder);
    for (size_t i = 0; i < files_.size(); ++i)
        WriteBytes(out + "/" + files_[i].first,
                   static_cast<int>(i) == replaced ? replacement : std::string_view(files_[i].second));
    if (replaced >= Count()) WriteBytes(out + "/" + JournalOf(Name(replaced - Count())), replacement);
}

std::string LayerFiles::JournalOf(const std::string& file) {
    const std::string extension = file.substr(file.size() - 4);
    if (extension == ".kml" || extension == ".dbf") return file + ".journal";
    return file.substr(0, file.size() - 4) + ".journal";
}

void LayerFiles::Collect(const std::string& root, const std::string& relative) {
    for (const std::string& name : platform::ListDirectory(root + "/" + relative)) {
        const std::string path = relative + name;
        if (platform::IsDirectory(root + "/" + path)) {
            folders_.push_back(path);
            Collect(root, path + "/");
            continue;
        }
        const std::string::size_type dot = name.rfind('.');
        const std::string extension = dot == std::string::npos ? "" : name.substr(dot);
        if (extension == ".shp" || extension == ".shx" || extension == ".dbf" || extension == ".kml")
            files_.emplace_back(path, ReadBytes(root + "/" + path));
    }
}

bool HoldsScratchFiles(const std::string& folder) {
    static const std::string kScratchPrefix = ".pellard-scratch-";
    for (const std::string& name : platform::ListDirectory(folder)) {
        if (name.compare(0, kScratchPrefix.size(), kScratchPrefix) == 0) return true;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) return true;
    }
    return false;
}

}  // namespace fuzz
