// Whole Display calls (the 1994-2000 library) on small generated counties:
// with one record file replaced by arbitrary bytes, and continuing merged
// layers one of which is damaged.
#include "county_files.h"
#include "fuzz_entries.h"
#include "scratch_folder.h"

#include "conv1/display.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace fuzz {

namespace {

CountyFiles NewOldCounty(char edition, int width, int height) {
    std::vector<std::string> suffixes;
    for (int t = 0; t < kOldRecordTypeCount; ++t)
        suffixes.push_back(countygen::RecordSuffix(edition, OldRecordType(t)));
    return CountyFiles(Spec(edition, width, height), suffixes);
}

// Every line class and polygon layer with label points and water clipping,
// the edition digit, the organisation.
std::string EveryLayer(char edition, char organisation) {
    std::string options(56, '1');
    options[50] = organisation;
    options[53] = edition;
    return options;
}

// Converts the county of `type1Path` into `out` and checks that the call ran
// to the end of the county (the log's last message "Finished", then its end
// line) and removed its scratch files.
void Convert(const std::string& type1Path, const std::string& out, const std::string& options) {
    vornak::Display(type1Path.c_str(), out.c_str(), options.c_str(), 1, 1);
    const std::string log = ReadBytes(out + "/TGR25901.log");
    const std::string ending = "\nFinished\nProcess ended on ";
    const std::string::size_type at = log.rfind(ending);
    if (at == std::string::npos || log.find('\n', at + ending.size()) != log.size() - 3 ||
        log.compare(log.size() - 3, 3, "\n\n\n") != 0)
        std::abort();
    if (HoldsScratchFiles(out)) std::abort();
}

// The merged county: TIGER 2000, nine cells wide so that it has alternate
// feature names.
constexpr char kMergedEdition = '6';

const CountyFiles& OldMergedCounty() {
    static const CountyFiles county = NewOldCounty(kMergedEdition, 9, 3);
    return county;
}

const LayerFiles& TheOldMergedLayers() {
    static const LayerFiles layers(OldMergedCounty(), [](const std::string& type1, const std::string& out) {
        vornak::Display(type1.c_str(), out.c_str(), EveryLayer(kMergedEdition, '3').c_str(), 1, 1);
    });
    return layers;
}

}  // namespace

void ConvertDamagedOldCounty(const uint8_t* data, size_t size) {
    if (size < 2) return;
    static const std::vector<CountyFiles> counties = [] {
        std::vector<CountyFiles> made;
        for (int i = 0; i < kOldEditionCount; ++i)
            made.push_back(NewOldCounty(OldEditionCharacter(i), kOldCountySide, kOldCountySide));
        return made;
    }();
    static const ScratchFolder folder;
    folder.Clear();
    MakeFolder(folder / "in");
    MakeFolder(folder / "out");
    const int edition = data[0] % kOldEditionCount;
    const int file = data[1] % kOldRecordTypeCount;
    std::string type1 = counties[static_cast<size_t>(edition)].Write(
        folder / "in", file, std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2));
    Convert(type1, folder / "out", EveryLayer(OldEditionCharacter(edition), '0'));
}

int OldMergedLayerFileCount() { return TheOldMergedLayers().Count(); }

std::string OldMergedLayerFile(int index) { return TheOldMergedLayers().Bytes(index); }

void ContinueDamagedOldMergedLayer(const uint8_t* data, size_t size) {
    if (size < 1) return;
    static const ScratchFolder folder;
    folder.Clear();
    MakeFolder(folder / "in");
    MakeFolder(folder / "out");
    std::string type1 = OldMergedCounty().Write(folder / "in");
    TheOldMergedLayers().Write(folder / "out", data[0],
                               std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    Convert(type1, folder / "out", EveryLayer(kMergedEdition, '3'));
}

}  // namespace fuzz
