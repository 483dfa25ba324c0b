// Nothing lost and nothing wrong in silence: the county's own files, kills,
// two jobs in one folder, damaged records, islands, oversized archives and
// misnamed outputs, in both libraries.
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "conv2/display.h"
#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/zip_control.h"
#include "shapeio/kml_writer.h"
#include "tigercore/record_fields.h"
#include "county_writer.h"
#include "support/conv1_record_job.h"
#include "support/county_files.h"
#include "support/line_records.h"
#include "support/record_job.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testsupport;

namespace {

countygen::CountySpec LowerCaseCounty() {
    countygen::CountySpec spec;
    spec.width = 4;
    spec.height = 3;
    spec.upperCaseNames = false;
    return spec;
}

// Converts a county in a child process that is killed (SIGXFSZ, not caught)
// as soon as any file it writes grows beyond `limit` bytes; true when it was.
bool ConvertKilledAt(const std::string& type1, const std::string& out, const std::string& options, rlim_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit bound{};
        ::getrlimit(RLIMIT_FSIZE, &bound);
        bound.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &bound);
        vornak2::DisplayV2(type1.c_str(), out.c_str(), options.c_str(), 2, 2);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
}

// Every file under a folder by its path below it, journals and partly
// written files included.
std::map<std::string, std::string> FilesUnder(const std::string& folder, const std::string& below = "") {
    std::map<std::string, std::string> files;
    for (const std::string& name : platform::ListDirectory(folder)) {
        const std::string path = folder + "/" + name;
        if (platform::IsDirectory(path)) {
            for (auto& [sub, bytes] : FilesUnder(path, below + name + "/")) files[sub] = bytes;
        } else if (name.size() < 4 || name.compare(name.size() - 4, 4, ".log") != 0) {
            files[below + name] = ReadFile(path);
        }
    }
    return files;
}

// Two counties merged into one folder per layer: the second is killed while
// it continues the layer's files, then converted again. The result equals a
// run that was never killed, and the log says what was put back.
void KilledWhileContinuing(const std::string& options, const std::string& growingFile) {
    TempDir clean, killed;
    // The first county's files are far larger than any the second writes
    // besides the layer's own, so that the second is stopped while it
    // continues the layer.
    countygen::CountySpec first, second;
    first.width = 14;
    first.height = 12;
    second.county = "903";
    for (const TempDir* dir : {&clean, &killed}) {
        ASSERT_TRUE(platform::MakeDirectory(*dir / "in"));
        ASSERT_TRUE(platform::MakeDirectory(*dir / "out"));
        countygen::WriteCounty(first, *dir / "in");
        countygen::WriteCounty(second, *dir / "in");
        vornak2::DisplayV2((*dir / "in/TGR25901.RT1").c_str(), (*dir / "out").c_str(), options.c_str(), 1, 2);
    }
    vornak2::DisplayV2((clean / "in/TGR25903.RT1").c_str(), (clean / "out").c_str(), options.c_str(), 2, 2);

    // Killed once the growing file has a few hundred bytes more.
    const rlim_t limit = static_cast<rlim_t>(ReadFile(killed / ("out/" + growingFile)).size() + 300);
    ASSERT_TRUE(ConvertKilledAt(killed / "in/TGR25903.RT1", killed / "out", options, limit));
    EXPECT_NE(FilesUnder(killed / "out"), FilesUnder(clean / "out"));

    vornak2::DisplayV2((killed / "in/TGR25903.RT1").c_str(), (killed / "out").c_str(), options.c_str(), 2, 2);
    const std::map<std::string, std::string> recovered = FilesUnder(killed / "out");
    const std::map<std::string, std::string> expected = FilesUnder(clean / "out");
    for (auto& [name, bytes] : expected) {
        const auto found = recovered.find(name);
        ASSERT_NE(found, recovered.end()) << name;
        // dBASE tables carry the day they were written in bytes 1-3.
        EXPECT_TRUE(found->second == bytes) << name;
    }
    EXPECT_EQ(recovered.size(), expected.size());
    EXPECT_HAS(ReadFile(killed / "out/TGR25903.log"), "Restored file " + killed / ("out/" + growingFile) +
                                                          " as it was before a run that stopped while continuing it\n");
}

}  // namespace

TEST(Robustness, KillWhileContinuingAMergedDocument) {
    KilledWhileContinuing(Options('c', '3', {39}), "place/placecu.kml");
}

TEST(Robustness, KillWhileContinuingAMergedShapefile) {
    KilledWhileContinuing(Options('c', '3', {1}), "rails/lkB.dbf");
}

// The outputs beside the record files (the front end's default): the
// county's own .met is neither emptied nor rewritten.
TEST(Robustness, MetadataTextInPlaceIsLeftAsItIs) {
    TempDir dir;
    const countygen::GeneratedCounty county = countygen::WriteCounty(LowerCaseCounty(), dir.path());
    const std::string met = dir / (county.baseName + ".met");
    const std::string before = ReadFile(met);
    ASSERT_FALSE(before.empty());
    vornak2::DisplayV2(county.type1Path.c_str(), dir.path().c_str(), Options('c', '0', {8}).c_str(), 1, 1);
    EXPECT_EQ(ReadFile(met), before);
    EXPECT_HAS(ReadFile(dir / (county.baseName + ".log")),
               "Metadata file " + met + " is the county's own; it is not copied over itself\n");
}

// An island that touches the ring around it at one node: its first point
// lies on that ring, and it is still cut out of the polygon around it.
TEST(Robustness, IslandTouchingItsSurroundingRingIsAHoleOfIt) {
    std::vector<shapeio::PolygonRing> rings(3);
    rings[0].points = {{0, 0}, {0, 4}, {4, 4}, {4, 0}, {0, 0}};      // clockwise: the block around
    rings[1].points = {{0, 0}, {2, 1}, {1, 2}, {0, 0}};              // counter-clockwise: the island
    rings[2].points = {{10, 10}, {10, 12}, {12, 12}, {12, 10}, {10, 10}};  // another outer ring
    shapeio::PointXY label;
    shapeio::ClassifyRings(rings, label);
    ASSERT_TRUE(rings[1].isHole);
    EXPECT_EQ(rings[1].parent, 0);
}

// An archive whose county files would unpack to more than any county takes
// is refused whole, with a message naming it.
TEST(Robustness, OversizedArchiveIsRefused) {
    TempDir dir;
    MakeZip(dir / "big.zip", {{"TGR01001.RT1", std::string(3000, '1')}, {"TGR01001.RT2", std::string(3000, '2')}});
    ASSERT_TRUE(platform::MakeDirectory(dir / "out"));
    platform::ZipControl zip;
    zip.SetExtractFolder(dir / "out");
    zip.SetZipFileName(dir / "big.zip");
    zip.SetFileSpecs("*.rt?");
    zip.SetUnpackLimit(5000);
    EXPECT_EQ(zip.ExtractFiles(0), platform::ZipControl::kArchiveTooLarge);
    ASSERT_EQ(zip.Messages().size(), 1u);
    EXPECT_EQ(zip.Messages()[0], "archive " + dir / "big.zip" +
                                     " refused: its county files would unpack to 6000 bytes, more than the 5000 bytes "
                                     "any county takes");
    EXPECT_TRUE(platform::ListDirectory(dir / "out").empty());
    zip.SetUnpackLimit(6000);
    EXPECT_EQ(zip.ExtractFiles(0), platform::ZipControl::kSuccess);
}

// An archive holding two counties: the log names the one converted and the
// one that is not.
TEST(Robustness, ArchiveOfTwoCountiesNamesBoth) {
    TempDir dir;
    MakeZip(dir / "tgr01001.zip", {{"TGR01001.RT1", ""}, {"TGR01003.RT1", ""}});
    vornak2::DisplayV2((dir / "tgr01001.zip").c_str(), dir.path().c_str(), Options('c', '0').c_str(), 1, 1);
    const std::string log = ReadFile(dir / "tgr01001.log");
    EXPECT_HAS(log, "The archive " + dir / "tgr01001.zip" + " holds 2 counties: TGR01001.RT1 is converted\n");
    EXPECT_HAS(log, "TGR01003.RT1 of the archive " + dir / "tgr01001.zip" + " is not converted\n");
}

// Every reader of both libraries stops the county at a record shorter than
// the last column its parser reads, and names the type and the record. The
// length each type needs is what its parser reads of a whole line.
TEST(Robustness, ShortRecordsOfEveryTypeStopTheCounty) {
    struct Reader {
        char type;
        void (*read)();
    };
    TempDir dir;
    {
        RecordJob job(dir.path(), 106, true);
        using namespace vornak2;
        const Reader readers[] = {{'4', ReadType4Records}, {'5', ReadType5Records}, {'6', ReadType6Records},
                                  {'T', ReadTypeTRecords}, {'U', ReadTypeURecords}, {'Z', ReadTypeZRecords},
                                  {'C', ReadTypeCRecords}, {'A', ReadTypeARecords}, {'S', ReadTypeSRecords},
                                  {'P', ReadTypePRecords}, {'B', ReadTypeBRecords}, {'7', ReadType7Records},
                                  {'8', ReadType8Records}, {'E', ReadTypeERecords}, {'M', ReadTypeMRecords}};
        for (const Reader& r : readers) {
            SCOPED_TRACE(r.type);
            gConversionStatus = 0;
            job.OpenText(r.type + std::string(247, ' ') + "\n", "county.rt" + std::string(1, r.type));
            r.read();
            ASSERT_EQ(gConversionStatus, 0);
            const int needed = tigercore::gLastColumnRead;
            ASSERT_GT(needed, 20);
            const size_t before = job.Log().size();
            job.OpenText(r.type + std::string(static_cast<size_t>(needed - 2), ' ') + "\n",
                         "county.rt" + std::string(1, r.type));
            r.read();
            EXPECT_EQ(gConversionStatus, -1);
            EXPECT_EQ(job.Log().substr(before), platform::Format("ERROR in type %c record 1: %d characters, fewer than "
                                                                 "the %d its fields need\n",
                                                                 r.type, needed - 1, needed));
        }
        // A coordinate out of the range of longitudes.
        gConversionStatus = 0;
        const size_t before = job.Log().size();
        job.OpenText(RecordFile({Type1Line("1", "A41", {999999999, 42000000}, {-71000000, 42000000})}));
        ReadType1Records();
        EXPECT_EQ(gConversionStatus, -1);
        EXPECT_HAS(job.Log().substr(before),
                   "ERROR in type 1 record 1: the longitude in columns 191-200 is out of range (999999999)\n");
    }
    {
        Conv1RecordJob job(dir.path(), 101);
        using namespace vornak;
        const Reader readers[] = {{'4', ReadType4Records}, {'5', ReadType5Records}, {'6', ReadType6Records},
                                  {'7', ReadType7Records}, {'8', ReadType8Records}, {'9', ReadType9Records},
                                  {'A', ReadTypeARecords}, {'C', ReadTypeCRecords}, {'S', ReadTypeSRecords},
                                  {'Z', ReadTypeZRecords}};
        for (const Reader& r : readers) {
            SCOPED_TRACE(r.type);
            gConversionStatus = 0;
            job.OpenText(r.type + std::string(247, ' ') + "\n", "county.rt" + std::string(1, r.type));
            r.read();
            ASSERT_EQ(gConversionStatus, 0);
            const int needed = tigercore::gLastColumnRead;
            const size_t before = job.Log().size();
            job.OpenText(r.type + std::string(static_cast<size_t>(needed - 2), ' '), "county.rt" + std::string(1, r.type));
            r.read();
            EXPECT_EQ(gConversionStatus, -1);
            EXPECT_EQ(job.Log().substr(before),
                      platform::Format("ERROR in type %c record 1: the file ends inside the record (%d of %d "
                                       "characters)\n",
                                       r.type, needed - 1, needed));
        }
    }
}

// Two processes converting two counties into one folder at once, each in
// its own folders and then both merging into the same layer files: each
// result equals that of the two runs one after the other (merged, in one
// order or the other), the user's own files with the names of the scratch
// files are left as they were, and no scratch is left.
TEST(Robustness, TwoJobsInOneFolderAtOnce) {
    countygen::CountySpec spec;
    spec.width = 10;
    spec.height = 8;
    const char* const counties[] = {"901", "903"};
    const char* const scratchNames[] = {"a.tmp", "dbf.tmp", "pts.tmp", "head.tmp", "parts.tmp", "box.tmp"};
    for (const char organisation : {'0', '3'}) {
        SCOPED_TRACE(organisation);
        const std::string options = Options('c', organisation, {1, 8, 39});
        TempDir together, inTurn, inOtherTurn;
        for (const TempDir* dir : {&together, &inTurn, &inOtherTurn}) {
            ASSERT_TRUE(platform::MakeDirectory(*dir / "in"));
            ASSERT_TRUE(platform::MakeDirectory(*dir / "out"));
            for (const char* county : counties) {
                spec.county = county;
                countygen::WriteCounty(spec, *dir / "in");
            }
        }
        for (const char* name : scratchNames) WriteFile(together / ("out/" + std::string(name)), name);
        auto convert = [&options](const TempDir& dir, const char* county) {
            const std::string type1 = dir / ("in/TGR25" + std::string(county) + ".RT1");
            vornak2::DisplayV2(type1.c_str(), (dir / "out").c_str(), options.c_str(), 1, 1);
        };

        std::vector<pid_t> children;
        for (const char* county : counties) {
            const pid_t child = ::fork();
            if (child == 0) {
                convert(together, county);
                ::_exit(0);
            }
            children.push_back(child);
        }
        convert(inTurn, counties[0]);
        convert(inTurn, counties[1]);
        convert(inOtherTurn, counties[1]);
        convert(inOtherTurn, counties[0]);
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }

        std::map<std::string, std::string> produced = FilesUnder(together / "out");
        for (const char* name : scratchNames) {
            EXPECT_EQ(produced[name], name);
            produced.erase(name);
        }
        const std::map<std::string, std::string> expected = FilesUnder(inTurn / "out");
        ASSERT_GT(expected.size(), 5u);
        if (organisation == '0') {
            EXPECT_TRUE(produced == expected);
        } else {
            EXPECT_TRUE(produced == expected || produced == FilesUnder(inOtherTurn / "out"));
        }
    }
}

// Two jobs converting archives whose members have the same names (two
// different counties both unpacked as TGR25901.*) into one output folder at
// once: each converts its own county, as when converted one after the
// other, and "unzipped" is left empty.
TEST(Robustness, TwoJobsUnpackingLookAlikeArchivesAtOnce) {
    TempDir dir;
    const std::string archives[] = {dir / "tgr25901.zip", dir / "tgr25903.zip"};
    for (int k = 0; k < 2; ++k) {
        countygen::CountySpec spec;
        spec.width = 8 + 4 * k;
        spec.height = 6;
        const std::string folder = dir / ("county" + std::to_string(k));
        ASSERT_TRUE(platform::MakeDirectory(folder));
        countygen::WriteCounty(spec, folder);
        std::vector<ZipMember> members;
        for (const std::string& name : platform::ListDirectory(folder))
            members.push_back({name, ReadFile(folder + "/" + name)});
        MakeZip(archives[k], members);
    }
    const std::string options = Options('c', '0', {1, 8, 39});
    const std::string together = dir / "together", inTurn = dir / "inTurn";
    ASSERT_TRUE(platform::MakeDirectory(together) && platform::MakeDirectory(inTurn));
    std::vector<pid_t> children;
    for (const std::string& archive : archives) {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(vornak2::DisplayV2(archive.c_str(), together.c_str(), options.c_str(), 1, 1));
        children.push_back(child);
    }
    for (const std::string& archive : archives) vornak2::DisplayV2(archive.c_str(), inTurn.c_str(), options.c_str(), 1, 1);
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::map<std::string, std::string> expected = FilesUnder(inTurn);
    ASSERT_GT(expected.size(), 10u);
    EXPECT_TRUE(FilesUnder(together) == expected);
    EXPECT_TRUE(platform::ListDirectory(together + "/unzipped").empty());
}

// A journal is only trusted with the files of its own layer, and only to
// put back what they were: one that names a file elsewhere, or asks for a
// file to grow, stops the county and changes nothing.
TEST(Robustness, DamagedJournalChangesNothing) {
    TempDir dir;
    const countygen::GeneratedCounty county = countygen::WriteCounty(countygen::CountySpec(), dir.path());
    const std::string options = Options('c', '3', {1});
    vornak2::DisplayV2(county.type1Path.c_str(), dir.path().c_str(), options.c_str(), 1, 1);
    const std::string shp = ReadFile(dir / "rails/lkB.shp");
    const std::string type1 = ReadFile(county.type1Path);
    const std::string outside = "../" + county.baseName + ".RT1";
    const std::string journalPath = dir / "rails/lkB.journal";
    const std::string damaged = "Could not restore the files of the journal " + journalPath +
                                ": it is damaged where it was on disk before they changed, so the files ";
    const struct {
        std::string journal, message;
    } cases[] = {
        {"pellard journal 1\nfile 0 " + std::to_string(outside.size()) + "\n" + outside,
         damaged + "lkB and lkB.* of its layer in " + dir / "rails/ may hold part of the run of a county that stopped"},
        {"pellard journal 1\nfile 100 7\nlkB.shprange 96 8 7\nlkB.shpABCDEFGH",
         damaged + "it names in " + dir / "rails/ (lkB.shp) may hold part"},
        // A head that does not check: it was on disk before the files changed.
        {"pellard journal 3\n0123456789abcdef\n13 0123456789abcdef\nfile 100 7\nlkB.shp", damaged + "lkB and lkB.*"},
        {"pellard journal 1\nfile " + std::to_string(shp.size() + 10) + " 7\nlkB.shp",
         "Could not restore file " + dir / "rails/lkB.shp" + " from its journal " + journalPath + "\n"},
    };
    const std::string logPath = dir / (county.baseName + ".log");
    for (const auto& c : cases) {
        WriteFile(journalPath, c.journal);
        const size_t before = ReadFile(logPath).size();
        vornak2::DisplayV2(county.type1Path.c_str(), dir.path().c_str(), options.c_str(), 2, 2);
        EXPECT_HAS(ReadFile(logPath).substr(before), c.message);
        EXPECT_EQ(ReadFile(dir / "rails/lkB.shp"), shp);
        EXPECT_EQ(ReadFile(county.type1Path), type1);
    }
}
