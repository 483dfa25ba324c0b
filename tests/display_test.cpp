// Whole calls of DisplayV2: job state, log block, output folders, record file
// lookup, zipped counties and the metadata copy.
#include "conv2/job_state.h"
#include "platform/files.h"
#include "platform/zip_control.h"
#include "support/county_files.h"
#include "support/real_county.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sys/stat.h>

using namespace testsupport;

namespace {

const char* kCountyFiles[] = {"rt1", "rt2", "rti"};

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::mkdir(in.c_str(), 0755), 0);
        ASSERT_EQ(::mkdir(out.c_str(), 0755), 0);
    }
    void MakeCounty(const std::string& stem) {
        for (const char* suffix : kCountyFiles) WriteFile(in + "/" + stem + "." + suffix, "");
    }
    std::string Log(const std::string& base) { return ReadFile(out + "/" + base + ".log"); }
    void RemoveLog() { std::remove((out + "/tgr01001.log").c_str()); }
    int Run(const std::string& input, const std::string& options, const std::string& outputDir = "") {
        return ConvertCounty(input, outputDir.empty() ? out : outputDir, options, 2, 5);
    }

    TempDir dir;
    std::string in = dir / "in";
    std::string out = dir / "out";
};

TEST_F(DisplayTest, LogBlockHasOpeningEditionAndClosingLines) {
    MakeCounty("tgr06037");
    EXPECT_EQ(Run(in + "/tgr06037.rt1", Options('c', '2')), 0);
    std::string log = Log("tgr06037");
    std::regex block(
        "New Process started on [0-9]{1,2}/[0-9]{1,2} at [0-9]{1,2}:[0-9]{2}\n"
        "TIGER 2004 2nd edition/2005 1st or 2nd edition\n"
        "(.*\n)*"
        "Process ended on [0-9]{1,2}/[0-9]{1,2} at [0-9]{1,2}:[0-9]{2}\n\n\n");
    EXPECT_TRUE(std::regex_match(log, block)) << log;
    EXPECT_EQ(LogMessages(log), "");
    EXPECT_EQ(vornak2::gCountyCode, "06037");
    EXPECT_EQ(vornak2::gCountyBaseName, "tgr06037");
    EXPECT_EQ(vornak2::gOutputPrefix, out + "/");
}

TEST_F(DisplayTest, EditionCharacterDecodesEveryEdition) {
    struct Case {
        char c;
        int code, year, second;
        const char* text;
    };
    const Case cases[] = {
        {'9', 104, 2002, 0, "TIGER 2002"},
        {'a', 105, 2003, 0, "TIGER 2003"},
        {'b', 105, 2004, 0, "TIGER 2004 first edition"},
        {'c', 105, 2004, 1, "TIGER 2004 2nd edition/2005 1st or 2nd edition"},
        {'d', 106, 2006, 1, "TIGER 2006 Second Edition"},
        {'x', 106, 2006, 1, "TIGER 2006 Second Edition"},
    };
    MakeCounty("tgr01001");
    for (const Case& c : cases) {
        RemoveLog();
        Run(in + "/tgr01001.rt1", Options(c.c, '2'));
        EXPECT_EQ(vornak2::gEditionCode, c.code) << c.c;
        EXPECT_EQ(vornak2::gEditionYear, c.year) << c.c;
        EXPECT_EQ(vornak2::gSecondEdition, c.second) << c.c;
        std::string log = Log("tgr01001");
        EXPECT_NE(log.find(std::string("\n") + c.text + "\n"), std::string::npos) << log;
    }
}

TEST_F(DisplayTest, OrganisationChoosesAndMakesTheOutputFolder) {
    MakeCounty("tgr06037");
    Run(in + "/tgr06037.rt1", Options('d', '0'));
    struct stat st;
    EXPECT_EQ(::stat((out + "/tgr06037").c_str(), &st), 0);
    EXPECT_EQ(vornak2::gOutputPrefix, out + "/tgr06037/");
    EXPECT_NE(Log("tgr06037").find("directory " + out + "/tgr06037 created\n"), std::string::npos);

    Run(in + "/tgr06037.rt1", Options('d', '1'));
    EXPECT_EQ(::stat((out + "/tigershapes").c_str(), &st), 0);
    EXPECT_EQ(vornak2::gOutputPrefix, out + "/tigershapes/");

    for (char mode : {'2', '3', 'z'}) {
        Run(in + "/tgr06037.rt1", Options('d', mode));
        EXPECT_EQ(vornak2::gOutputPrefix, out + "/") << mode;
        EXPECT_EQ(vornak2::gOrganisationMode, mode);
    }

    // A second run into the same directory: the folder exists, the log grows.
    Run(in + "/tgr06037.rt1", Options('d', '0'));
    std::string log = Log("tgr06037");
    EXPECT_NE(log.find("directory " + out + "/tgr06037 not created\n"), std::string::npos);
    size_t blocks = 0;
    for (size_t at = log.find("New Process started"); at != std::string::npos;
         at = log.find("New Process started", at + 1))
        ++blocks;
    EXPECT_EQ(blocks, 6u);
}

TEST_F(DisplayTest, TrailingSlashOfOutputDirectoryIsDropped) {
    MakeCounty("tgr06037");
    Run(in + "/tgr06037.rt1", Options('d', '0'), out + "/");
    EXPECT_EQ(vornak2::gOutputDir, out);
    EXPECT_EQ(vornak2::gOutputPrefix, out + "/tgr06037/");
    EXPECT_TRUE(Exists(out + "/tgr06037.log"));
}

TEST_F(DisplayTest, LongTitleShortensOutputNamesButRecordFilesKeepTheirNames) {
    MakeCounty("tgr06037extra");
    Run(in + "/tgr06037extra.rt1", Options('d', '0'));
    EXPECT_EQ(vornak2::gCountyBaseName, "tgrextra");
    EXPECT_EQ(vornak2::gCountyCode, "extra");
    std::string log = Log("tgrextra");
    EXPECT_EQ(LogMessages(log), "directory " + out + "/tgrextra created\n");

    // Nine characters lose the fourth; eight stay whole.
    MakeCounty("tgr060370");
    Run(in + "/tgr060370.rt1", Options('d', '2'));
    EXPECT_EQ(vornak2::gCountyBaseName, "tgr60370");
    EXPECT_EQ(LogMessages(Log("tgr60370")), "");
}

TEST_F(DisplayTest, RecordFilesAreFoundWhateverTheCase) {
    for (const char* suffix : {"RT1", "RT2", "RTI"}) WriteFile(in + "/TGR25025." + suffix, "");
    Run(in + "/tgr25025.rt1", Options('c', '2'));
    EXPECT_EQ(LogMessages(Log("tgr25025")), "");
}

TEST_F(DisplayTest, MissingRecordFilesEndTheCounty) {
    Run(in + "/tgr01001.rt1", Options('d', '2'));
    EXPECT_EQ(LogMessages(Log("tgr01001")),
              "Could not open file " + in + "/tgr01001.rt1. Program will terminate\n");

    WriteFile(in + "/tgr01002.rt1", "");
    Run(in + "/tgr01002.rt1", Options('d', '2'));
    EXPECT_EQ(LogMessages(Log("tgr01002")),
              in + "/tgr01002.rt2\nCould not open Type 2 file. Processing for this county will terminate\n");

    WriteFile(in + "/tgr01003.rt1", "");
    WriteFile(in + "/tgr01003.rt2", "");
    Run(in + "/tgr01003.rt1", Options('d', '2'));
    EXPECT_EQ(LogMessages(Log("tgr01003")),
              "Could not open Type i file. Processing for this county will terminate\n");
}

TEST_F(DisplayTest, LineStageOpensTheRoadFilesOnlyForTheFirstClass) {
    MakeCounty("tgr01001");
    Run(in + "/tgr01001.rt1", Options('d', '2', {3}));
    EXPECT_EQ(LogMessages(Log("tgr01001")),
              "Could not open Type u file. No underpass-overpass information will be produced\n");
    RemoveLog();
    Run(in + "/tgr01001.rt1", Options('d', '2', {0}));
    EXPECT_EQ(LogMessages(Log("tgr01001")),
              "Could not open Type 4 file. No alternate feature names will be produced\n"
              "Could not open Type 5 file. No alternate feature names will be produced\n"
              "Could not open Type 6 file. No alternate address ranges will be produced\n"
              "Could not open Type z file. No zip+4 information will be produced\n"
              "Could not open Type u file. No underpass-overpass information will be produced\n");
}

const char* kPolygonFileMessages =
    "Could not open Type C file. No Polygon names exist\n"
    "Could not open Type A file. No Current Geography poygons will be produced\n"
    "Could not open Type S file. No Census 2000 poygons will be produced\n"
    "Could not open Type P file. No Centroids or Water polygons will be produced\n"
    "Could not open Type B file. No Census CQ poygons will be produced\n"
    "Could not open Type 7 file. No Landmark Points will be created\n"
    "Could not open Type 8 file. No Landmark Polygons will be created\n";

TEST_F(DisplayTest, PolygonStageReadsThePolygonFilesOfTheEdition) {
    MakeCounty("tgr01001");
    // A flag that no builder reads still opens the polygon stage.
    Run(in + "/tgr01001.rt1", Options('9', '2', {13}));
    EXPECT_EQ(LogMessages(Log("tgr01001")), kPolygonFileMessages);
    RemoveLog();
    // The 2003 and later editions read type E too.
    Run(in + "/tgr01001.rt1", Options('a', '2', {13}));
    EXPECT_EQ(LogMessages(Log("tgr01001")),
              std::string(kPolygonFileMessages) +
                  "Could not open Type E file. No Economic Census Polygons will be created\n");
    RemoveLog();
    // The edition character is no layer flag.
    Run(in + "/tgr01001.rt1", Options('a', '2'));
    EXPECT_EQ(LogMessages(Log("tgr01001")), "");
}

TEST_F(DisplayTest, AllPolygonsWithoutTypeTEndsBeforeTheMetadata) {
    MakeCounty("tgr01001");
    WriteFile(in + "/tgr01001.met", "meta\n");
    Run(in + "/tgr01001.rt1", Options('9', '2', {71}));
    std::string messages = LogMessages(Log("tgr01001"));
    EXPECT_NE(messages.find("Could not open Type t file. Processing for this county will terminate\n"),
              std::string::npos);
    EXPECT_FALSE(Exists(out + "/tgr01001.met"));
    EXPECT_FALSE(Exists(out + "/a.tmp"));
}

TEST_F(DisplayTest, ScratchFileOfTypeAIsRemovedAtTheEnd) {
    MakeCounty("tgr01001");
    WriteFile(in + "/tgr01001.rta", "");
    Run(in + "/tgr01001.rt1", Options('d', '2', {9}));
    EXPECT_FALSE(Exists(out + "/a.tmp"));
    EXPECT_EQ(LogMessages(Log("tgr01001")).find("Type A"), std::string::npos);
}

TEST_F(DisplayTest, MetadataTextIsCopiedWithCrLfLineEnds) {
    MakeCounty("tgr01001");
    WriteFile(in + "/tgr01001.met", "one\r\ntwo\nthree\r\n\nlast");
    Run(in + "/tgr01001.rt1", Options('d', '0'));
    // Into the output parent directory, whatever the organisation.
    EXPECT_EQ(ReadFile(out + "/tgr01001.met"), "one\r\ntwo\r\nthree\r\n\r\nlast");

    MakeCounty("tgr01002");
    WriteFile(in + "/TGR01002.MET", "a\nb\n");
    Run(in + "/tgr01002.rt1", Options('d', '2'));
    EXPECT_EQ(ReadFile(out + "/tgr01002.met"), "a\r\nb\r\n");
}

TEST_F(DisplayTest, ShortOptionsStringReadsMissingPositionsAsZero) {
    MakeCounty("tgr01001");
    Run(in + "/tgr01001.rt1", "2");
    EXPECT_EQ(vornak2::gNumericAddressFields, 1);
    EXPECT_EQ(vornak2::gEditionCode, 106);
    EXPECT_EQ(vornak2::gOrganisationMode, '0');
    EXPECT_TRUE(Exists(out + "/tgr01001"));
    // '2' at 0 also selects the first line class.
    EXPECT_NE(LogMessages(Log("tgr01001")).find("Could not open Type 4 file"), std::string::npos);
}

TEST_F(DisplayTest, LogThatCannotBeOpenedConvertsNothing) {
    MakeCounty("tgr01001");
    EXPECT_EQ(Run(in + "/tgr01001.rt1", Options('d', '0'), dir / "missing"), 1);
    EXPECT_FALSE(Exists(dir / "missing"));
    EXPECT_FALSE(Exists(dir / "missing/tgr01001"));
}

TEST_F(DisplayTest, ZippedCountyIsUnpackedUnderTheNamesTheArchiveHolds) {
    MakeZip(in + "/tgr25025.zip", {{"TGR25025.RT1", ""},
                                   {"TGR25025.RT2", ""},
                                   {"TGR25025.RTI", ""},
                                   {"TGR25025.MET", "line\nline\n"},
                                   {"readme.txt", "not a record file"}});
    Run(in + "/tgr25025.zip", Options('c', '2'));
    EXPECT_EQ(vornak2::gZipInput, 1);
    EXPECT_EQ(vornak2::gCountyCode, "25025");
    // What was unpacked is removed when the county ends.
    EXPECT_TRUE(platform::ListDirectory(out + "/unzipped").empty());
    EXPECT_EQ(LogMessages(Log("tgr25025")), "");
    EXPECT_EQ(ReadFile(out + "/tgr25025.met"), "line\r\nline\r\n");
}

TEST_F(DisplayTest, ZipExtensionIsRecognisedInAnyCase) {
    MakeZip(in + "/tgr25025.ZiP", {{"tgr25025.rt1", ""}, {"tgr25025.rt2", ""}, {"tgr25025.rti", ""}});
    Run(in + "/tgr25025.ZiP", Options('c', '2'));
    EXPECT_EQ(vornak2::gZipInput, 1);
    EXPECT_EQ(LogMessages(Log("tgr25025")), "");
}

TEST_F(DisplayTest, ArchiveWithoutRecordFilesEndsAtTheFirstOpen) {
    MakeZip(in + "/tgr25025.zip", {{"notes.txt", "x"}});
    EXPECT_EQ(Run(in + "/tgr25025.zip", Options('c', '2')), 1);
    EXPECT_EQ(LogMessages(Log("tgr25025")),
              "cound not find files to unzip\n"
              "Could not open file " + out + "/unzipped/tgr25025.rt1. Program will terminate\n");
}

// A damaged member (one that holds more than it declares) fails the county:
// nothing is converted, and what was unpacked is removed.
TEST_F(DisplayTest, DamagedArchiveMemberFailsTheCounty) {
    MakeZip(in + "/tgr25025.zip", {{"TGR25025.RT1", ""}, {"TGR25025.RT2", std::string(5000, '2')}});
    DeclareZipSizes(in + "/tgr25025.zip", 0);
    EXPECT_EQ(Run(in + "/tgr25025.zip", Options('c', '2')), 1);
    EXPECT_EQ(LogMessages(Log("tgr25025")),
              "archive entry TGR25025.RT2 is damaged: it holds more than the 0 bytes it declares\n");
    EXPECT_TRUE(platform::ListDirectory(out + "/unzipped").empty());
}

TEST_F(DisplayTest, HostileArchiveEntriesAreRefused) {
    MakeZip(in + "/tgr25025.zip", {{"TGR25025.RT1", ""},
                                   {"TGR25025.RT2", ""},
                                   {"TGR25025.RTI", ""},
                                   {"../escape.rt4", "x"},
                                   {"/abs/path.rt5", "x"},
                                   {"TGR25025.RT6", "/etc/passwd", true}});
    // A county whose archive is not unpacked whole is not converted.
    EXPECT_EQ(Run(in + "/tgr25025.zip", Options('c', '2')), 1);
    std::string messages = LogMessages(Log("tgr25025"));
    EXPECT_NE(messages.find("archive entry ../escape.rt4 refused"), std::string::npos) << messages;
    EXPECT_NE(messages.find("archive entry /abs/path.rt5 refused"), std::string::npos) << messages;
    EXPECT_NE(messages.find("archive entry TGR25025.RT6 refused: it is a link"), std::string::npos) << messages;
    EXPECT_FALSE(Exists(out + "/escape.rt4"));
    EXPECT_FALSE(Exists(out + "/unzipped/escape.rt4"));
    EXPECT_FALSE(Exists(out + "/unzipped/path.rt5"));
    EXPECT_TRUE(platform::ListDirectory(out + "/unzipped").empty());
}

TEST_F(DisplayTest, RealCountyWithNoLayerIsUnpackedLoggedAndItsMetadataCopied) {
    std::string archive = RealCountyArchive();
    if (archive.empty()) GTEST_SKIP() << kNoRealCounty;
    EXPECT_EQ(Run(archive, Options('c', '0')), 0);
    EXPECT_TRUE(platform::ListDirectory(out + "/unzipped").empty());
    std::string log = Log("tgr25025");
    // The county's only output besides the metadata text is its metadata table.
    EXPECT_EQ(LogMessages(log), "directory " + out + "/tgr25025 created\n"
                                "Wrote 23454 Metadata records to file " + out + "/tgr25025/tgr25025met.dbf\n")
        << log;
    std::string met = ReadFile(out + "/tgr25025.met");
    platform::ZipControl zip;
    zip.SetExtractFolder(dir.path());
    zip.SetZipFileName(archive);
    zip.SetFileSpecs("*.met");
    ASSERT_EQ(zip.ExtractFiles(0), platform::ZipControl::kSuccess);
    std::string original = ReadFile(dir / "TGR25025.MET");
    std::string expected;
    for (size_t i = 0; i < original.size(); ++i) {
        if (original[i] == '\n' && (i == 0 || original[i - 1] != '\r')) expected += '\r';
        expected += original[i];
    }
    EXPECT_FALSE(met.empty());
    EXPECT_TRUE(met == expected) << "the copy of the .met does not have CR LF line ends";
    EXPECT_FALSE(Exists(out + "/a.tmp"));
}

}  // namespace
