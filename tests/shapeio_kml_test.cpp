// Polygon scratch files and the KML writer: documents byte for byte, merged
// documents, ring classification, XML text, and what failures leave behind.
#include "shapeio/byte_order.h"
#include "shapeio/kml_text.h"
#include "shapeio/kml_writer.h"
#include "support/bytes.h"
#include "support/fake_job_services.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using shapeio::DbfFieldDef;
using shapeio::LayerOutput;
using shapeio::PointXY;
using shapeio::PolygonRing;
using shapeio::PolygonScratchFiles;
using testsupport::ReadFile;

namespace {

const DbfFieldDef kFields[] = {{"GIST_ID", 'N', 8, 0}, {"NAME", 'C', 10, 0}, {nullptr, 0, 0, 0}};
const int kRecordLength = 19;

std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

using Ring = std::vector<PointXY>;
struct Polygon {
    int gistId;
    std::string name;
    std::vector<Ring> rings;
};

// Clockwise square (an outer ring) and counter-clockwise square (a hole), closed.
Ring Clockwise(double x0, double y0, double x1, double y1) { return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}}; }
Ring CounterClockwise(double x0, double y0, double x1, double y1) {
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
}

// Writes the polygons to the scratch files of `folder` as a builder does.
void WriteScratch(const std::string& folder, const std::vector<Polygon>& polygons) {
    testsupport::FakeJobServices services;
    PolygonScratchFiles scratch(services, folder);
    ASSERT_TRUE(scratch.Create());
    for (const Polygon& polygon : polygons) {
        ASSERT_TRUE(scratch.WriteRecord(
            shapeio::DbfRecord(kFields).AddNumber(static_cast<long long>(polygon.gistId)).Add(polygon.name).text()));
        shapeio::BoundingBox box{1e99, 1e99, -1e99, -1e99};
        for (const Ring& ring : polygon.rings) {
            ASSERT_TRUE(scratch.WritePoints(ring.data(), static_cast<int32_t>(ring.size())));
            ASSERT_TRUE(scratch.EndRing(static_cast<int32_t>(ring.size())));
            for (const PointXY& p : ring) shapeio::WidenBox(box, p.x, p.y);
        }
        ASSERT_TRUE(scratch.EndPolygon(static_cast<int32_t>(polygon.rings.size()), box));
    }
    ASSERT_TRUE(scratch.Close());
    ASSERT_FALSE(services.failed);
}

struct KmlRun {
    testsupport::FakeJobServices services;
    bool result = false;
};

KmlRun WriteKml(const testsupport::TempDir& dir, char mode, const std::string& countyCode, bool labels) {
    KmlRun run;
    PolygonScratchFiles scratch(run.services, dir.path());
    run.result = shapeio::KML_Write_Polygons(run.services, LayerOutput{dir.path() + "/", "ctycu", mode},
                                             shapeio::KmlCounty{"tgr" + countyCode, countyCode, labels}, scratch,
                                             "ctycu", kFields, kRecordLength, "NAME");
    return run;
}

const char kHead[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<kml xmlns=\"http://earth.google.com/kml/2.1\">\n"
    "<Document><name>tgr25025_ctycu</name><open>1</open>\n"
    "<Style id=\"basePolyStyle\">\n"
    " <PolyStyle>\n"
    "  <color>bf99ccff</color>\n"
    "  <colorMode>normal</colorMode>\n"
    " </PolyStyle>\n"
    "</Style>";

const char kPolygonStart[] =
    "<styleUrl>#basePolyStyle</styleUrl>\n"
    "<Polygon>\n"
    "  <extrude>1</extrude>\n"
    "    <altitudeMode>relativeToGround</altitudeMode>\n";

bool ScratchFilesGone(const testsupport::TempDir& dir) {
    for (const char* name : {"dbf.tmp", "pts.tmp", "head.tmp", "box.tmp", "parts.tmp"}) {
        if (testsupport::Exists(dir / name)) return false;
    }
    return true;
}

}  // namespace

TEST(PolygonScratch, OneRingOfFivePoints) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {{1, "A", {Clockwise(0, 0, 2, 1)}}});
    EXPECT_EQ("        1A         ", ReadFile(dir / "dbf.tmp"));
    EXPECT_EQ(80u, ReadFile(dir / "pts.tmp").size());
    EXPECT_EQ(testsupport::Hex("05 00 00 00"), ReadFile(dir / "head.tmp"));
    EXPECT_EQ(testsupport::Hex("01 00 00 00"), ReadFile(dir / "parts.tmp"));
    std::string box;
    for (double v : {0.0, 0.0, 2.0, 1.0}) shapeio::PutDoubleLE(box, v);
    EXPECT_EQ(box, ReadFile(dir / "box.tmp"));
}

TEST(PolygonScratch, IslandOfTwoRings) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {{1, "A", {Clockwise(0, 0, 1, 1), Clockwise(3, -2, 4, 5)}}});
    EXPECT_EQ(testsupport::Hex("02 00 00 00"), ReadFile(dir / "parts.tmp"));
    EXPECT_EQ(testsupport::Hex("05 00 00 00 05 00 00 00"), ReadFile(dir / "head.tmp"));
    std::string box;
    for (double v : {0.0, -2.0, 4.0, 5.0}) shapeio::PutDoubleLE(box, v);
    EXPECT_EQ(box, ReadFile(dir / "box.tmp"));
}

TEST(PolygonScratch, CannotBeCreated) {
    testsupport::TempDir dir;
    testsupport::FakeJobServices services;
    PolygonScratchFiles scratch(services, dir / "missing");
    EXPECT_FALSE(scratch.Create());
    EXPECT_TRUE(services.failed);
    EXPECT_EQ("Could not open file dbf.tmp in " + dir / "missing (no such file or directory)\n", services.log);
}

TEST(KmlDocument, OuterRingWithHoleByteForByte) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {{1, "Lake & Co", {Clockwise(0, 0, 2, 2), CounterClockwise(0.5, 0.5, 1.5, 1.5)}}});
    KmlRun run = WriteKml(dir, '0', "25025", false);
    EXPECT_TRUE(run.result);
    EXPECT_FALSE(run.services.failed);
    EXPECT_EQ("Building polygons", run.services.status);
    const std::string expected = Crlf(
        std::string(kHead) +
        "<Folder><name>25025</name><open>0</open>"
        "<Placemark><name>Lake &amp; Co </name><description> <![CDATA[<table border=1>"
        "<tr><td>GIST_ID</td><td>1</td></tr><tr><td>NAME</td><td>Lake &amp; Co</td></tr></table>]]></description>" +
        kPolygonStart +
        "      <outerBoundaryIs>\n"
        "      <LinearRing>\n"
        "      <coordinates>\n"
        "        0.000000,0.000000,40\n"
        "        0.000000,2.000000,40\n"
        "        2.000000,2.000000,40\n"
        "        2.000000,0.000000,40\n"
        "        0.000000,0.000000,40\n"
        "      </coordinates>\n"
        "    </LinearRing>  </outerBoundaryIs>\n"
        "      <innerBoundaryIs>\n"
        "      <LinearRing>\n"
        "      <coordinates>\n"
        "        0.500000,0.500000,40\n"
        "        1.500000,0.500000,40\n"
        "        1.500000,1.500000,40\n"
        "        0.500000,1.500000,40\n"
        "        0.500000,0.500000,40\n"
        "      </coordinates>\n"
        "    </LinearRing>  </innerBoundaryIs>\n"
        "</Polygon>\n"
        "</Placemark>\n"
        "</Folder>\n"
        "\n"
        "</Document></kml>");
    EXPECT_EQ(expected, ReadFile(dir / "ctycu.kml"));
    EXPECT_TRUE(ScratchFilesGone(dir));
}

TEST(KmlDocument, TwoOuterRingsWithLabelPoints) {
    testsupport::TempDir dir;
    // The second ring is the larger: the label goes to its centroid.
    WriteScratch(dir.path(), {{7, "Two", {Clockwise(0, 0, 1, 1), Clockwise(-4, -1, -2, 2)}}});
    KmlRun run = WriteKml(dir, '0', "25025", true);
    EXPECT_TRUE(run.result);
    auto ring = [](const char* points) {
        return std::string("      <outerBoundaryIs>\n      <LinearRing>\n      <coordinates>\n") + points +
               "      </coordinates>\n    </LinearRing>  </outerBoundaryIs>\n</Polygon>\n</Placemark>\n";
    };
    const std::string expected = Crlf(
        std::string(kHead) + "<Folder><name>25025</name><open>0</open>" +
        "<Folder><name>Two       </name><open>0</open>" + "<Placemark><name>Two       </name>" + kPolygonStart +
        ring("        0.000000,0.000000,40\n        0.000000,1.000000,40\n        1.000000,1.000000,40\n"
             "        1.000000,0.000000,40\n        0.000000,0.000000,40\n") +
        "<Placemark><name>Two       </name>" + kPolygonStart +
        ring("        -4.000000,-1.000000,40\n        -4.000000,2.000000,40\n        -2.000000,2.000000,40\n"
             "        -2.000000,-1.000000,40\n        -4.000000,-1.000000,40\n") +
        "</Folder>\n"
        "<Placemark><name>Two       </name><description> <![CDATA[<table border=1>"
        "<tr><td>GIST_ID</td><td>7</td></tr><tr><td>NAME</td><td>Two</td></tr></table>]]></description>"
        "<Point><coordinates>-3.000000,0.500000,0.0 </coordinates></Point>\n"
        "</Placemark>\n"
        "</Folder>\n\n</Document></kml>");
    EXPECT_EQ(expected, ReadFile(dir / "ctycu.kml"));
}

TEST(KmlDocument, OneOuterRingWithLabelPointHasNoDescriptionOnThePolygon) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {{1, "A", {Clockwise(0, 0, 2, 2)}}});
    WriteKml(dir, '0', "25025", true);
    const std::string kml = ReadFile(dir / "ctycu.kml");
    EXPECT_NE(std::string::npos, kml.find("<Placemark><name>A         </name><styleUrl>"));
    EXPECT_NE(std::string::npos, kml.find("<Point><coordinates>1.000000,1.000000,0.0 </coordinates></Point>"));
    ASSERT_NE(std::string::npos, kml.find("<description>"));
    EXPECT_EQ(kml.find("<description>"), kml.rfind("<description>"));  // only the label carries one
}

TEST(KmlDocument, EmptyLayerGivesAnEmptyCountyFolder) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {});
    EXPECT_TRUE(WriteKml(dir, '0', "25025", false).result);
    EXPECT_EQ(Crlf(std::string(kHead) + "<Folder><name>25025</name><open>0</open></Folder>\n\n</Document></kml>"),
              ReadFile(dir / "ctycu.kml"));
}

TEST(KmlDocument, MergedDocumentGainsOneFolderPerCounty) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {});
    WriteKml(dir, '3', "25025", false);
    WriteScratch(dir.path(), {});
    KmlRun second = WriteKml(dir, '3', "25027", false);
    EXPECT_TRUE(second.result);
    EXPECT_EQ(Crlf(std::string(kHead) +
                   "<Folder><name>25025</name><open>0</open></Folder>\n\n"
                   "<Folder><name>25027</name><open>0</open></Folder>\n\n</Document></kml>"),
              ReadFile(dir / "ctycu.kml"));
}

TEST(KmlText, EscapedAndTranscoded) {
    EXPECT_EQ("Fish &amp; Chips &lt;b&gt;", shapeio::KmlText("Fish & Chips <b>"));
    EXPECT_EQ("Espa\xC3\xB1ola", shapeio::KmlText("Espa\xF1ola"));       // Latin-1 ñ
    EXPECT_EQ("Espa\xC3\xB1ola", shapeio::KmlText("Espa\xC3\xB1ola"));   // already UTF-8
    EXPECT_EQ("a b c", shapeio::KmlText(std::string("a\0b\x01" "c", 5)));
    EXPECT_EQ("\xC3\xA0\xC2\x80", shapeio::KmlText("\xE0\x80"));         // broken sequence: two Latin-1 bytes
    EXPECT_EQ("x]]]]><![CDATA[>y", shapeio::CdataSafe("x]]>y"));
    EXPECT_EQ("a b", shapeio::TrimWhiteSpace(std::string(" \ta b\0 ", 7)));
}

TEST(KmlDocument, NamesAndValuesAreWellFormed) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {{1, std::string("A<\xE9]]>\0", 7), {Clockwise(0, 0, 2, 2)}}});
    WriteKml(dir, '0', "25025", false);
    const std::string kml = ReadFile(dir / "ctycu.kml");
    EXPECT_NE(std::string::npos, kml.find("<name>A&lt;\xC3\xA9]]&gt;    </name>"));
    EXPECT_NE(std::string::npos, kml.find("<td>NAME</td><td>A&lt;\xC3\xA9]]&gt;</td>"));
}

TEST(KmlRings, PointInRing) {
    Ring square = Clockwise(0, 0, 2, 2);
    EXPECT_EQ(0, shapeio::KML_Point_In_Polygon(square.data(), 5, 1, 1));
    EXPECT_EQ(1, shapeio::KML_Point_In_Polygon(square.data(), 5, 3, 1));
    EXPECT_EQ(1, shapeio::KML_Point_In_Polygon(square.data(), 5, 1, -0.5));
    // An open ring is closed from its last point to its first.
    Ring open = {{0, 0}, {0, 2}, {2, 2}, {2, 0}};
    EXPECT_EQ(0, shapeio::KML_Point_In_Polygon(open.data(), 4, 1, 1));
}

TEST(KmlRings, HoleGoesToTheSmallestOuterRingHoldingIt) {
    // A lake in a county with an island in the lake and a pond on the island.
    std::vector<PolygonRing> rings(5);
    rings[0].points = Clockwise(0, 0, 10, 10);         // county
    rings[1].points = CounterClockwise(2, 2, 8, 8);    // lake
    rings[2].points = Clockwise(3, 3, 7, 7);           // island
    rings[3].points = CounterClockwise(4, 4, 6, 6);    // pond
    rings[4].points = CounterClockwise(20, 20, 21, 21);  // a hole in nothing
    PointXY label;
    ASSERT_TRUE(shapeio::ClassifyRings(rings, label));
    EXPECT_FALSE(rings[0].isHole);
    EXPECT_TRUE(rings[1].isHole);
    EXPECT_FALSE(rings[2].isHole);
    EXPECT_EQ(0, rings[1].parent);
    EXPECT_EQ(2, rings[3].parent);
    EXPECT_EQ(-1, rings[4].parent);
    EXPECT_EQ(-100.0, rings[0].area);
    EXPECT_EQ(5.0, label.x);
    EXPECT_EQ(5.0, label.y);
}

TEST(KmlRings, UnclosedRingIsMeasuredAsClosed) {
    // A clockwise ring whose boundary could not be closed, far from the origin.
    std::vector<PolygonRing> rings(1);
    rings[0].points = {{-70, 43}, {-70, 42}, {-71, 42}, {-71, 43}};
    PointXY label;
    ASSERT_TRUE(shapeio::ClassifyRings(rings, label));
    EXPECT_EQ(-1.0, rings[0].area);
    EXPECT_FALSE(rings[0].isHole);
    EXPECT_DOUBLE_EQ(-70.5, label.x);
    EXPECT_DOUBLE_EQ(42.5, label.y);
}

TEST(KmlRings, ZeroAreaAndAllHoles) {
    std::vector<PolygonRing> flat(1);
    flat[0].points = {{1, 1}, {2, 2}, {1, 1}};
    PointXY label;
    ASSERT_TRUE(shapeio::ClassifyRings(flat, label));  // an outer ring; its first point labels it
    EXPECT_FALSE(flat[0].isHole);
    EXPECT_EQ(1.0, label.x);
    std::vector<PolygonRing> holes(1);
    holes[0].points = CounterClockwise(0, 0, 1, 1);
    EXPECT_FALSE(shapeio::ClassifyRings(holes, label));
    EXPECT_EQ("", shapeio::KmlPolygonText(holes, "n", "d", true, false, label));
}

TEST(KmlFailure, MergedDocumentWithoutEnd) {
    testsupport::TempDir dir;
    const std::string broken = "<kml><Document><Folder></Folder>";  // cut off
    testsupport::WriteFile(dir / "ctycu.kml", broken);
    WriteScratch(dir.path(), {{1, "A", {Clockwise(0, 0, 2, 2)}}});
    KmlRun run = WriteKml(dir, '3', "25027", false);
    EXPECT_FALSE(run.result);
    EXPECT_TRUE(run.services.failed);
    EXPECT_EQ("file error\nThe merged document " + (dir / "ctycu.kml") + " has no closing </Document> line\n",
              run.services.log);
    EXPECT_EQ(broken, ReadFile(dir / "ctycu.kml"));
    EXPECT_TRUE(ScratchFilesGone(dir));
}

// A merged document is continued only where a layer of this writer ends:
// one whose last </Document> follows other text on its line (a one-line
// document of another program, the end of a placemark), or with more than
// blanks after its </kml> (a comment, a line), is refused and left as it
// was; a line end an editor put after the closing text is welcome.
TEST(KmlFailure, MergedDocumentEndedByAnotherProgram) {
    const std::string foreign[] = {"<kml><Document><Placemark><name>x</name></Placemark></Document></kml>",
                                   Crlf(std::string(kHead) + "<Placemark><name>x</name></Placemark></Document></kml>"),
                                   Crlf(std::string(kHead) + "\n</Document></kml>\n<!-- c -->\n"),
                                   Crlf(std::string(kHead) + "\n</Document></kml>\nanother line")};
    for (const std::string& text : foreign) {
        testsupport::TempDir dir;
        testsupport::WriteFile(dir / "ctycu.kml", text);
        WriteScratch(dir.path(), {{1, "A", {Clockwise(0, 0, 2, 2)}}});
        KmlRun run = WriteKml(dir, '3', "25027", false);
        EXPECT_FALSE(run.result);
        EXPECT_EQ("The merged document " + (dir / "ctycu.kml") + " does not end as a layer of this program does: " +
                      (text.find("</kml>\r\n") == std::string::npos
                           ? "other text stands before its last </Document> on its line"
                           : "other text follows its last </Document> and </kml>") +
                      "; it is left as it is\n",
                  run.services.log);
        EXPECT_EQ(text, ReadFile(dir / "ctycu.kml"));
        EXPECT_TRUE(ScratchFilesGone(dir));
    }
    testsupport::TempDir dir;
    testsupport::WriteFile(dir / "ctycu.kml", Crlf(std::string(kHead) + "\n</Document></kml>\n"));
    WriteScratch(dir.path(), {});
    EXPECT_TRUE(WriteKml(dir, '3', "25027", false).result);
    EXPECT_EQ(Crlf(std::string(kHead) + "\n<Folder><name>25027</name><open>0</open></Folder>\n\n</Document></kml>"),
              ReadFile(dir / "ctycu.kml"));
}

TEST(KmlFailure, MissingScratchFile) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {{1, "A", {Clockwise(0, 0, 2, 2)}}});
    ASSERT_EQ(0, std::remove((dir / "head.tmp").c_str()));
    KmlRun run = WriteKml(dir, '3', "25025", false);
    EXPECT_FALSE(run.result);
    EXPECT_TRUE(run.services.failed);
    EXPECT_EQ("Could not open file head.tmp in " + dir.path() + " (no such file or directory)\n", run.services.log);
    EXPECT_FALSE(testsupport::Exists(dir / "ctycu.kml"));  // no empty document
    EXPECT_TRUE(testsupport::Exists(dir / "pts.tmp"));       // left where they are
}

TEST(KmlFailure, ScratchFilesThatDisagree) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {{1, "A", {Clockwise(0, 0, 2, 2)}}});
    testsupport::WriteFile(dir / "head.tmp", testsupport::Hex("09 00 00 00"));  // more points than pts.tmp holds
    KmlRun run = WriteKml(dir, '0', "25025", false);
    EXPECT_FALSE(run.result);
    EXPECT_TRUE(run.services.failed);
    EXPECT_EQ("Could not read from file pts.tmp of layer ctycu in " + dir.path() +
                  " (it ends before the polygons its companions describe)\n",
              run.services.log);
    EXPECT_FALSE(testsupport::Exists(dir / "ctycu.kml"));
    EXPECT_TRUE(ScratchFilesGone(dir));
}

TEST(KmlFailure, UnwritableFolder) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {});
    testsupport::FakeJobServices services;
    PolygonScratchFiles scratch(services, dir.path());
    LayerOutput output{dir.path() + "/missing/", "ctycu", '2'};
    EXPECT_FALSE(shapeio::KML_Write_Polygons(services, output, {"tgr25025", "25025", false}, scratch, "ctycu", kFields,
                                             kRecordLength, "NAME"));
    EXPECT_TRUE(services.failed);
    EXPECT_EQ("Could not open file " + output.Path(".kml") + " (no such file or directory)\n", services.log);
}

TEST(KmlFailure, FullDiskKeepsTheEarlierCounties) {
    testsupport::TempDir dir;
    WriteScratch(dir.path(), {{1, "A", {Clockwise(0, 0, 2, 2)}}});
    WriteKml(dir, '3', "25025", false);
    const std::string before = ReadFile(dir / "ctycu.kml");
    std::vector<Polygon> many;
    for (int i = 0; i < 2000; ++i) many.push_back({i, "B", {Clockwise(i, 0, i + 1, 1)}});
    WriteScratch(dir.path(), many);
    KmlRun run;
    {
        testsupport::FileSizeLimit limit(before.size() + 5000);
        run = WriteKml(dir, '3', "25027", false);
    }
    EXPECT_FALSE(run.result);
    EXPECT_TRUE(run.services.failed);
    EXPECT_EQ("Could not write to file " + dir / "ctycu.kml" + " (file too large)\n", run.services.log);
    EXPECT_EQ(before, ReadFile(dir / "ctycu.kml"));
    EXPECT_TRUE(ScratchFilesGone(dir));
}

// The closing line is found from the end of the document, whatever its
// size and wherever the 64 KiB blocks it is read in fall.
TEST(KmlDocument, ClosingLineFoundFromTheEnd) {
    const std::string end = "</Document></kml>", block(1 << 16, 'x');
    const struct {
        const char* name;
        std::string text;
        int64_t expected;
    } cases[] = {
        {"short", "a\r\nb\r\n" + end, 6},
        // The last block starts 6 bytes into "</Document>".
        {"the closing text straddling two blocks", "a\n" + block + end + "\n" + block.substr(0, 65524), 2},
        {"the line starting blocks before", "a\n" + block + block + block + end, 2},
        {"no line end before it", block + end + "\r\n", 0},
        {"two closing lines: the last", "a\n" + end + "\n" + block + "\n" + end + "\n", 2 + 17 + 1 + 65536 + 1},
        {"none", "a\n" + block + "</Document", -1},
        {"empty", "", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir dir;
        testsupport::WriteFile(dir / "d.kml", c.text);
        std::FILE* file = std::fopen((dir / "d.kml").c_str(), "rb");
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(shapeio::FindDocumentEnd(file), c.expected);
        std::fclose(file);
    }
    // A document of earlier counties far longer than a block is continued
    // at its closing line, with the bytes it has always had.
    testsupport::TempDir dir;
    std::string counties;
    for (int i = 0; i < 3000; ++i) counties += "<Folder><name>" + std::to_string(25000 + i) + "</name><open>0</open></Folder>\n\n";
    testsupport::WriteFile(dir / "ctycu.kml", Crlf(kHead + std::string("\n") + counties + end));
    WriteScratch(dir.path(), {});
    EXPECT_TRUE(WriteKml(dir, '3', "25027", false).result);
    EXPECT_EQ(Crlf(kHead + std::string("\n") + counties + "<Folder><name>25027</name><open>0</open></Folder>\n\n" + end),
              ReadFile(dir / "ctycu.kml"));
}
