// Nothing lost and nothing wrong in silence: the county's own files, kills,
// two jobs in one folder, damaged records, islands, oversized archives and
// misnamed outputs, in both libraries.
#include "conv2/display.h"
#include "platform/zip_control.h"
#include "shapeio/kml_writer.h"
#include "county_writer.h"
#include "support/county_files.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

using namespace testsupport;

namespace {

countygen::CountySpec LowerCaseCounty() {
    countygen::CountySpec spec;
    spec.width = 4;
    spec.height = 3;
    spec.upperCaseNames = false;
    return spec;
}

}  // namespace

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
