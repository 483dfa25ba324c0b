// fuzz_seeds DIR: writes the seed inputs of the fuzz targets, made from
// small generated counties of every edition, into new folders DIR/records,
// DIR/zip, DIR/options, DIR/county, DIR/merged, DIR/oldrecords,
// DIR/oldcounty and DIR/oldmerged (DIR must exist).
#include "fuzz_entries.h"
#include "scratch_folder.h"

#include "county_model.h"
#include "county_writer.h"
#include "platform/dialog.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>
#include <zip.h>

namespace {

using fuzz::MakeFolder;
using fuzz::ReadBytes;
using fuzz::WriteBytes;

std::string Prefixed(int first, int second, const std::string& bytes) {
    return std::string{static_cast<char>(first), static_cast<char>(second)} + bytes;
}

struct Member {
    std::string name;
    std::string contents;
    bool symlink = false;
    bool stored = false;
};

void WriteZip(const std::string& path, const std::vector<Member>& members) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("cannot create " + path);
    for (const Member& m : members) {
        zip_source_t* source = zip_source_buffer(archive, m.contents.data(), m.contents.size(), 0);
        zip_int64_t index = zip_file_add(archive, m.name.c_str(), source, ZIP_FL_ENC_RAW);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + m.name);
        }
        zip_uint64_t i = static_cast<zip_uint64_t>(index);
        if (m.stored) zip_set_file_compression(archive, i, ZIP_CM_STORE, 0);
        if (m.symlink)
            zip_file_set_external_attributes(archive, i, 0, ZIP_OPSYS_UNIX,
                                             static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16);
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path);
}

countygen::CountySpec Spec(char edition, int width, int height) {
    countygen::CountySpec spec;
    spec.edition = edition;
    spec.width = width;
    spec.height = height;
    return spec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    platform::SilentRenderer silent;  // the conversion of the merged layers' seeds draws nothing
    platform::SetModelessRenderer(&silent);
    for (const char* target : {"records", "zip", "options", "county", "merged", "oldrecords", "oldcounty", "oldmerged"})
        MakeFolder(dir + "/" + target);
    fuzz::ScratchFolder scratch;

    for (int e = 0; e < fuzz::kEditionCount; ++e) {
        const char edition = fuzz::EditionCharacter(e);
        const std::string small = scratch / std::string(1, edition) + "-small";
        const std::string county = scratch / std::string(1, edition) + "-county";
        MakeFolder(small);
        MakeFolder(county);
        countygen::CountySpec smallSpec = Spec(edition, 4, 3);
        countygen::CountySpec countySpec = Spec(edition, 5, 4);
        countygen::WriteCounty(smallSpec, small);
        countygen::WriteCounty(countySpec, county);

        for (int t = 0; t < fuzz::kRecordTypeCount; ++t) {
            const std::string suffix = fuzz::RecordTypeSuffix(t);
            std::string bytes = ReadBytes(countygen::CountyFilePath(smallSpec, small, suffix));
            if (suffix == "rti")
                bytes = ReadBytes(countygen::CountyFilePath(smallSpec, small, "rt1")) + fuzz::kTypeISeparator + bytes;
            WriteBytes(dir + "/records/" + suffix + "-" + edition, Prefixed(t, e, bytes));
            // The same lines ended by lone carriage returns.
            std::string crLines;
            for (char c : bytes) {
                if (c != '\n') crLines += c;
                else if (crLines.empty() || crLines.back() != '\r') crLines += '\r';
            }
            WriteBytes(dir + "/records/" + suffix + "-" + edition + "-cr", Prefixed(t, e, crLines));
        }
        for (int f = 0; f < fuzz::kCountyFileCount; ++f) {
            const std::string suffix = fuzz::CountyFileSuffix(f);
            WriteBytes(dir + "/county/" + suffix + "-" + edition,
                       Prefixed(e, f, ReadBytes(countygen::CountyFilePath(countySpec, county, suffix))));
        }

        std::string options(86, '1');
        options[53] = edition;
        for (char organisation : {'0', '1', '2', '3'}) {
            options[79] = organisation;
            WriteBytes(dir + "/options/all-" + edition + organisation, options);
        }
        std::string few(86, '0');
        few[0] = '2';
        few[9] = few[39] = few[67] = few[71] = '1';
        few[53] = edition;
        WriteBytes(dir + "/options/few-" + edition, few);
    }

    const countygen::CountySpec zipSpec = Spec('c', 2, 2);
    const std::string zipCounty = scratch / "zip-county";
    MakeFolder(zipCounty);
    countygen::WriteCounty(zipSpec, zipCounty);
    std::vector<Member> members;
    for (const char* suffix : {"rt1", "rt2", "rti", "rtc", "met"})
        members.push_back({"TGR25901." + std::string(suffix),
                           ReadBytes(countygen::CountyFilePath(zipSpec, zipCounty, suffix))});
    WriteZip(dir + "/zip/county.zip", members);
    members[1].stored = true;
    members.push_back({"tgr25901/", ""});
    members.push_back({"tgr25901/TGR25901.RTA", ReadBytes(countygen::CountyFilePath(zipSpec, zipCounty, "rta"))});
    WriteZip(dir + "/zip/folders.zip", members);
    WriteZip(dir + "/zip/same-names.zip", {{"a/TGR25901.RT1", members[0].contents}, {"b/TGR25901.RT1", "x"}});
    WriteZip(dir + "/zip/unsafe.zip", {{"../TGR25901.RT1", "x"},
                                       {"/tmp/TGR25901.RT2", "x"},
                                       {"TGR25901.RTI", "/etc/passwd", true},
                                       {"C:TGR25901.RTC", "x", false, true}});
    const int merged = fuzz::MergedLayerFileCount();
    for (int i = 0; i < merged; ++i) {
        WriteBytes(dir + "/merged/" + std::to_string(i),
                   std::string(1, static_cast<char>(i)) + fuzz::MergedLayerFile(i));
        // The journal of a run stopped right after it overwrote the first
        // bytes of the file with what they were.
        const std::string path = fuzz::MergedLayerFileName(i);
        const std::string name = path.substr(path.rfind('/') + 1);
        const std::string bytes = fuzz::MergedLayerFile(i);
        const std::string head = bytes.substr(0, 4);
        WriteBytes(dir + "/merged/journal-" + std::to_string(i),
                   std::string(1, static_cast<char>(merged + i)) + "pellard journal 1\nfile " +
                       std::to_string(bytes.size()) + " " + std::to_string(name.size()) + "\n" + name + "range 0 " +
                       std::to_string(head.size()) + " " + std::to_string(name.size()) + "\n" + name + head);
    }

    // The 1994-2000 editions: the same counties as their entries convert.
    for (int e = 0; e < fuzz::kOldEditionCount; ++e) {
        const char edition = fuzz::OldEditionCharacter(e);
        const std::string county = scratch / std::string(1, edition) + "-old";
        MakeFolder(county);
        const countygen::CountySpec spec = Spec(edition, fuzz::kOldCountySide, fuzz::kOldCountySide);
        countygen::WriteCounty(spec, county);
        auto file = [&](char type) {
            return ReadBytes(countygen::CountyFilePath(spec, county, countygen::RecordSuffix(edition, type)));
        };
        for (int t = 0; t < fuzz::kOldRecordTypeCount; ++t) {
            const char type = fuzz::OldRecordType(t);
            const std::string name = std::string(1, type) + "-" + edition;
            std::string bytes = file(type);
            WriteBytes(dir + "/oldcounty/" + name, Prefixed(e, t, bytes));
            if (type == '3' || type == 'i') bytes = file('1') + fuzz::kTypeISeparator + bytes;
            WriteBytes(dir + "/oldrecords/" + name, Prefixed(t, e, bytes));
        }
    }
    for (int i = 0; i < fuzz::OldMergedLayerFileCount(); ++i)
        WriteBytes(dir + "/oldmerged/" + std::to_string(i),
                   std::string(1, static_cast<char>(i)) + fuzz::OldMergedLayerFile(i));
    return 0;
}
