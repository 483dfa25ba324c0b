// Whole DisplayV2 calls on small generated counties: with arbitrary options,
// with one record file replaced by arbitrary bytes, and continuing merged
// layers one of which is damaged.
#include "fuzz_entries.h"
#include "scratch_folder.h"

#include "conv2/display.h"
#include "county_model.h"
#include "county_writer.h"
#include "platform/files.h"

#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace fuzz {

namespace {

const char* const kCountyFiles[kCountyFileCount] = {"rt1", "rt2", "rti", "rt4", "rt5", "rt6", "rtt",
                                                    "rtu", "rtz", "rtc", "rta", "rts", "rtp", "rtb",
                                                    "rt7", "rt8", "rte", "rtm", "met"};

// The files of a generated county, kept in memory and written afresh for
// every input.
class CountyFiles {
public:
    explicit CountyFiles(const countygen::CountySpec& spec) : spec_(spec) {
        ScratchFolder scratch;
        countygen::WriteCounty(spec, scratch.path());
        for (int i = 0; i < kCountyFileCount; ++i)
            bytes_[i] = ReadBytes(countygen::CountyFilePath(spec, scratch.path(), kCountyFiles[i]));
    }

    // Writes the county into `folder`, file `replaced` (-1: none) holding
    // `replacement` instead; returns the type 1 path.
    std::string Write(const std::string& folder, int replaced = -1, std::string_view replacement = {}) const {
        for (int i = 0; i < kCountyFileCount; ++i)
            WriteBytes(countygen::CountyFilePath(spec_, folder, kCountyFiles[i]),
                       i == replaced ? replacement : std::string_view(bytes_[i]));
        return countygen::CountyFilePath(spec_, folder, "rt1");
    }

    const std::string& Bytes(int index) const { return bytes_[index]; }

private:
    countygen::CountySpec spec_;
    std::array<std::string, kCountyFileCount> bytes_;
};

countygen::CountySpec Spec(char edition, int width, int height) {
    countygen::CountySpec spec;
    spec.edition = edition;
    spec.width = width;
    spec.height = height;
    return spec;
}

// Converts the county of `type1Path` into the folder's "out" (made here
// unless `makeOut` is false) and checks that the call ran to the end of the
// county's log and left no scratch file (they live in the output folder
// during the call).
void Convert(const ScratchFolder& folder, const std::string& type1Path, const std::string& options,
             bool makeOut = true) {
    const std::string out = folder / "out";
    if (makeOut) MakeFolder(out);
    vornak2::DisplayV2(type1Path.c_str(), out.c_str(), options.c_str(), 1, 1);
    std::string log = ReadBytes(out + "/TGR25901.log");
    if (log.find("Process ended on ") == std::string::npos) std::abort();
    for (const std::string& name : platform::ListDirectory(out)) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) std::abort();
    }
}

// Every layer of the 2004 second edition, organised by theme and merged.
std::string MergedOptions() {
    std::string options(86, '1');
    options[53] = 'c';
    options[79] = '3';
    return options;
}

// The merged layer files (shapefiles, tables, documents) one conversion of
// a county leaves in an empty output folder, by path relative to it.
class MergedLayers {
public:
    explicit MergedLayers(const CountyFiles& county) {
        ScratchFolder scratch;
        MakeFolder(scratch / "in");
        MakeFolder(scratch / "out");
        std::string type1 = county.Write(scratch / "in");
        vornak2::DisplayV2(type1.c_str(), (scratch / "out").c_str(), MergedOptions().c_str(), 1, 1);
        Collect(scratch / "out", "");
    }

    int Count() const { return static_cast<int>(files_.size()); }
    const std::string& Bytes(int index) const { return files_[static_cast<size_t>(index)].second; }
    const std::string& Name(int index) const { return files_[static_cast<size_t>(index)].first; }

    // Writes the files into `out`, file `replaced` holding `replacement`;
    // from Count() on, `replaced` picks the journal a stopped run would
    // have left beside file `replaced - Count()` instead, the files staying
    // whole.
    void Write(const std::string& out, int replaced, std::string_view replacement) const {
        for (const std::string& folder : folders_) MakeFolder(out + "/" + folder);
        for (size_t i = 0; i < files_.size(); ++i)
            WriteBytes(out + "/" + files_[i].first,
                       static_cast<int>(i) == replaced ? replacement : std::string_view(files_[i].second));
        if (replaced >= Count()) WriteBytes(out + "/" + JournalOf(files_[static_cast<size_t>(replaced - Count())].first), replacement);
    }

private:
    // Documents and tables have their own journal; a shapefile's three
    // files share one.
    static std::string JournalOf(const std::string& file) {
        const std::string extension = file.substr(file.size() - 4);
        if (extension == ".kml" || extension == ".dbf") return file + ".journal";
        return file.substr(0, file.size() - 4) + ".journal";
    }

    void Collect(const std::string& root, const std::string& relative) {
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

    std::vector<std::string> folders_;  // parents before children
    std::vector<std::pair<std::string, std::string>> files_;
};

const CountyFiles& MergedCounty() {
    static const CountyFiles county(Spec('c', 4, 3));
    return county;
}

const MergedLayers& TheMergedLayers() {
    static const MergedLayers layers(MergedCounty());
    return layers;
}

}  // namespace

const char* CountyFileSuffix(int index) { return kCountyFiles[index]; }

void ConvertWithOptions(const uint8_t* data, size_t size) {
    static const CountyFiles county(Spec('c', 2, 2));
    static const ScratchFolder folder;
    folder.Clear();
    MakeFolder(folder / "in");
    std::string type1 = county.Write(folder / "in");
    std::string options(reinterpret_cast<const char*>(data), size);
    options.resize(options.find('\0') == std::string::npos ? options.size() : options.find('\0'));
    Convert(folder, type1, options);
}

void ConvertDamagedCounty(const uint8_t* data, size_t size) {
    if (size < 2) return;
    static const std::vector<CountyFiles> counties = [] {
        std::vector<CountyFiles> made;
        for (int i = 0; i < kEditionCount; ++i) made.emplace_back(Spec(EditionCharacter(i), 5, 4));
        return made;
    }();
    static const ScratchFolder folder;
    folder.Clear();
    MakeFolder(folder / "in");
    const int edition = data[0] % kEditionCount;
    const int file = data[1] % kCountyFileCount;
    std::string type1 = counties[static_cast<size_t>(edition)].Write(
        folder / "in", file, std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2));

    // Every layer, organised by county, water clipped, label points.
    std::string options(86, '1');
    options[53] = EditionCharacter(edition);
    options[79] = '0';
    Convert(folder, type1, options);
}

int MergedLayerFileCount() { return TheMergedLayers().Count(); }

std::string MergedLayerFile(int index) { return TheMergedLayers().Bytes(index); }

std::string MergedLayerFileName(int index) { return TheMergedLayers().Name(index); }

void ContinueDamagedMergedLayer(const uint8_t* data, size_t size) {
    if (size < 1) return;
    static const ScratchFolder folder;
    folder.Clear();
    MakeFolder(folder / "in");
    MakeFolder(folder / "out");
    std::string type1 = MergedCounty().Write(folder / "in");
    TheMergedLayers().Write(folder / "out", data[0] % (2 * TheMergedLayers().Count()),
                            std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    Convert(folder, type1, MergedOptions(), false);
}

}  // namespace fuzz
