// Whole DisplayV2 calls on small generated counties: with arbitrary options,
// with one record file replaced by arbitrary bytes, and continuing merged
// layers one of which is damaged.
#include "county_files.h"
#include "fuzz_entries.h"
#include "scratch_folder.h"

#include "conv2/display.h"
#include "platform/files.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace fuzz {

namespace {

const char* const kCountyFiles[kCountyFileCount] = {"rt1", "rt2", "rti", "rt4", "rt5", "rt6", "rtt",
                                                    "rtu", "rtz", "rtc", "rta", "rts", "rtp", "rtb",
                                                    "rt7", "rt8", "rte", "rtm", "met"};

CountyFiles NewCounty(char edition, int width, int height) {
    return CountyFiles(Spec(edition, width, height),
                       std::vector<std::string>(kCountyFiles, kCountyFiles + kCountyFileCount));
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
    if (HoldsScratchFiles(out)) std::abort();
}

// Every layer of the 2004 second edition, organised by theme and merged.
std::string MergedOptions() {
    std::string options(86, '1');
    options[53] = 'c';
    options[79] = '3';
    return options;
}

const CountyFiles& MergedCounty() {
    static const CountyFiles county = NewCounty('c', 4, 3);
    return county;
}

const LayerFiles& TheMergedLayers() {
    static const LayerFiles layers(MergedCounty(), [](const std::string& type1, const std::string& out) {
        vornak2::DisplayV2(type1.c_str(), out.c_str(), MergedOptions().c_str(), 1, 1);
    });
    return layers;
}

}  // namespace

const char* CountyFileSuffix(int index) { return kCountyFiles[index]; }

void ConvertWithOptions(const uint8_t* data, size_t size) {
    static const CountyFiles county = NewCounty('c', 2, 2);
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
        for (int i = 0; i < kEditionCount; ++i) made.push_back(NewCounty(EditionCharacter(i), 5, 4));
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
    TheMergedLayers().Write(folder / "out", data[0],
                            std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    Convert(folder, type1, MergedOptions(), false);
}

}  // namespace fuzz
