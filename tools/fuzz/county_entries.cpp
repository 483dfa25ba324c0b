// Whole DisplayV2 calls on small generated counties: with arbitrary options,
// and with one record file replaced by arbitrary bytes.
#include "fuzz_entries.h"
#include "scratch_folder.h"

#include "conv2/display.h"
#include "county_model.h"
#include "county_writer.h"
#include "platform/files.h"

#include <array>
#include <cstdlib>
#include <string>
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

// Converts the county of `type1Path` into a fresh output folder and checks
// that the call ran to the end of the county's log and left no scratch file
// (they live in the output folder during the call).
void Convert(const ScratchFolder& folder, const std::string& type1Path, const std::string& options) {
    const std::string out = folder / "out";
    MakeFolder(out);
    vornak2::DisplayV2(type1Path.c_str(), out.c_str(), options.c_str(), 1, 1);
    std::string log = ReadBytes(out + "/TGR25901.log");
    if (log.find("Process ended on ") == std::string::npos) std::abort();
    for (const std::string& name : platform::ListDirectory(out)) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) std::abort();
    }
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

}  // namespace fuzz
