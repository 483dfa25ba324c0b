// The record store on a real county (Suffolk County, Massachusetts, TIGER/Line
// 2005 Second Edition): every table complete and in order, the specials, and
// the parsed fields checked against GDAL's independent TIGER reader.
#include "conv2/job_state.h"
#include "conv2/record_order.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "support/commands.h"
#include "support/real_county.h"
#include "support/record_job.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace vornak2;
using testsupport::RecordJob;
using testsupport::Trim;

namespace {

class RealCountyRecordsTest : public testsupport::RealCountyTest {
protected:
    void SetUp() override {
        RealCountyTest::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(testsupport::UnpackRealCounty(dir.path()));
    }

    std::string Path(const char* suffix) const { return dir / (std::string("TGR25025.") + suffix); }
    long long FileLines(const char* suffix) const {
        std::string text = testsupport::ReadFile(Path(suffix));
        return std::count(text.begin(), text.end(), '\n');
    }
    // Opens the type's file and runs its reader.
    void Read(const char* suffix, void (*reader)()) {
        ASSERT_TRUE(RecordJob::Open(Path(suffix))) << suffix;
        reader();
        ASSERT_EQ(gConversionStatus, 0) << suffix;
        EXPECT_FALSE(gRecordFile) << suffix;
    }
};

template <typename Row>
bool Ordered(const std::vector<Row>& rows, int (*compare)(const Row&, const Row&)) {
    return std::is_sorted(rows.begin(), rows.end(), [compare](const Row& a, const Row& b) { return compare(a, b) < 0; });
}

TEST_F(RealCountyRecordsTest, EveryTableIsCompleteAndInItsOrder) {
    RecordJob job(dir.path(), 105, true);
    Read("RT1", ReadType1Records);
    Read("RT2", ReadType2Records);
    Read("RTI", ReadTypeIRecords);
    Read("RT4", ReadType4Records);
    Read("RT5", ReadType5Records);
    Read("RT6", ReadType6Records);
    Read("RTZ", ReadTypeZRecords);
    Read("RTC", ReadTypeCRecords);
    Read("RTA", ReadTypeARecords);
    Read("RTS", ReadTypeSRecords);
    Read("RTP", ReadTypePRecords);
    Read("RT7", ReadType7Records);
    Read("RT8", ReadType8Records);
    Read("RTE", ReadTypeERecords);
    Read("RTT", ReadTypeTRecords);
    Read("RTM", ReadTypeMRecords);

    EXPECT_EQ(gType1Count, 23454);
    EXPECT_EQ(gType1Count, FileLines("RT1"));
    EXPECT_EQ(gType2Count, FileLines("RT2"));
    EXPECT_EQ(gTypeICount, FileLines("RTI"));
    EXPECT_EQ(gType4Count, FileLines("RT4"));
    EXPECT_EQ(gType5Count, FileLines("RT5"));
    EXPECT_EQ(gType6Count, FileLines("RT6"));
    EXPECT_EQ(gTypeZCount, FileLines("RTZ"));
    EXPECT_EQ(gTypeCCount, FileLines("RTC"));
    EXPECT_EQ(gTypeACount, FileLines("RTA"));
    EXPECT_EQ(gTypeSCount, FileLines("RTS"));
    EXPECT_EQ(gTypePCount, FileLines("RTP"));
    EXPECT_EQ(gType7Count, FileLines("RT7"));
    EXPECT_EQ(gType8Count, FileLines("RT8"));
    EXPECT_EQ(gTypeECount, FileLines("RTE"));
    EXPECT_EQ(gTypeTCount, FileLines("RTT"));
    EXPECT_EQ(gTypeMCount, FileLines("RTM"));
    EXPECT_EQ(gType1Records.size(), static_cast<size_t>(gType1Count));

    EXPECT_TRUE(Ordered(gType1Records, CompareType1Records));
    EXPECT_TRUE(Ordered(gType2Records, CompareTlidRtsq));
    EXPECT_TRUE(Ordered(gTypeIRecords, CompareTextAt12));
    EXPECT_TRUE(Ordered(gType4Records, CompareTlidRtsq));
    EXPECT_TRUE(Ordered(gType5Records, CompareType5Records));
    EXPECT_TRUE(Ordered(gType6Records, CompareTlidRtsq));
    EXPECT_TRUE(Ordered(gTypeZRecords, CompareTlidRtsq));
    EXPECT_TRUE(Ordered(gTypeARecords, CompareTypeARecords));
    EXPECT_TRUE(Ordered(gTypeSRecords, CompareTypeSRecords));
    EXPECT_TRUE(Ordered(gTypePRecords, CompareTypePRecords));
    EXPECT_TRUE(Ordered(gType7Records, CompareType7Records));
    EXPECT_TRUE(Ordered(gType8Records, CompareType8Records));
    EXPECT_TRUE(Ordered(gTypeERecords, CompareTypeERecords));
    EXPECT_TRUE(Ordered(gTypeTRecords, CompareTextAt12));
    EXPECT_TRUE(Ordered(gTypeMRecords, CompareTypeMRecords));

    // Type C in file order: row k holds the NAME of line k.
    std::istringstream lines(testsupport::ReadFile(Path("RTC")));
    std::string line;
    for (int k = 0; std::getline(lines, line); ++k) {
        ASSERT_EQ(std::string(gTypeCRecords[static_cast<size_t>(k)].NAME), line.substr(62, 60)) << k;
    }

    // The class counts add up, and agree with the CFCC letters of the file.
    int total = 0;
    for (int n : gCfccClassCounts) total += n;
    EXPECT_EQ(total, gType1Count);
    std::map<char, int> letters;
    std::istringstream rt1(testsupport::ReadFile(Path("RT1")));
    while (std::getline(rt1, line)) ++letters[line[55]];
    EXPECT_EQ(gCfccClassCounts[tigercore::kClassA], letters['A'] + letters['P']);
    EXPECT_EQ(gCfccClassCounts[tigercore::kClassF], letters['F'] + letters['G']);
    EXPECT_EQ(gCfccClassCounts[tigercore::kClassH], letters['H']);

    // The largest RTSQ, read from the file's columns 16-18.
    int maxRtsq = 0;
    std::istringstream rt2(testsupport::ReadFile(Path("RT2")));
    while (std::getline(rt2, line)) maxRtsq = std::max(maxRtsq, std::stoi(line.substr(15, 3)));
    EXPECT_EQ(gMaxRtsq, maxRtsq);
    EXPECT_GT(gMaxRtsq, 1);

    EXPECT_EQ(testsupport::ReadFile(dir / "date.txt"), "1105");
    EXPECT_EQ(job.Log(), "Second Edition TIGER 2004\n");
}

// --- Cross-check with GDAL ----------------------------------------------

using CsvRow = std::map<std::string, std::string>;

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t k = 0; k < line.size(); ++k) {
        char c = line[k];
        if (quoted) {
            if (c == '"' && k + 1 < line.size() && line[k + 1] == '"') {
                fields.back() += '"';
                ++k;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
}

// A layer of the county as GDAL's TIGER driver reads it, as CSV rows.
std::vector<CsvRow> GdalLayer(const std::string& type1Path, const std::string& layer, const std::string& out) {
    std::string command = "ogr2ogr -f CSV '" + out + "' '" + type1Path + "' " + layer +
                          " -lco GEOMETRY=AS_WKT >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return {};
    std::ifstream in(out);
    std::string line;
    std::getline(in, line);
    std::vector<std::string> names = SplitCsvLine(line);
    std::vector<CsvRow> rows;
    while (std::getline(in, line)) {
        std::vector<std::string> values = SplitCsvLine(line);
        CsvRow row;
        for (size_t k = 0; k < names.size() && k < values.size(); ++k) row[names[k]] = values[k];
        rows.push_back(row);
    }
    return rows;
}

bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Our field text against GDAL's value: equal once trimmed, or equal numbers
// (GDAL reads many code fields as integers).
::testing::AssertionResult Same(const char* field, const std::string& ours, const CsvRow& theirs) {
    auto found = theirs.find(field);
    if (found == theirs.end()) return ::testing::AssertionFailure() << "GDAL has no field " << field;
    std::string a = Trim(ours), b = Trim(found->second);
    if (a == b || (AllDigits(a) && AllDigits(b) && std::stoll(a) == std::stoll(b))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << field << ": ours '" << ours << "', GDAL '" << b << "'";
}

TEST_F(RealCountyRecordsTest, ParsedFieldsAgreeWithGdal) {
    if (!testsupport::HaveProgram("ogr2ogr")) GTEST_SKIP() << "ogr2ogr is not installed";
    RecordJob job(dir.path(), 105, true);
    Read("RT1", ReadType1Records);
    Read("RTI", ReadTypeIRecords);
    Read("RT7", ReadType7Records);
    Read("RTA", ReadTypeARecords);
    Read("RTS", ReadTypeSRecords);

    std::map<std::string, const Type1Record*> lines;
    for (const Type1Record& r : gType1Records) lines[Trim(r.TLID)] = &r;
    const std::vector<CsvRow> chains = GdalLayer(Path("RT1"), "CompleteChain", dir / "chains.csv");
    ASSERT_EQ(chains.size(), static_cast<size_t>(gType1Count));
    for (const CsvRow& g : chains) {
        const Type1Record& r = *lines.at(g.at("TLID"));
        ASSERT_TRUE(Same("CFCC", r.CFCC, g));
        ASSERT_TRUE(Same("SIDE1", r.SIDE1 ? std::to_string(r.SIDE1) : "", g));
        ASSERT_TRUE(Same("FEDIRP", r.FEDIRP, g));
        ASSERT_TRUE(Same("FENAME", r.FENAME, g));
        ASSERT_TRUE(Same("FETYPE", r.FETYPE, g));
        ASSERT_TRUE(Same("FEDIRS", r.FEDIRS, g));
        ASSERT_TRUE(Same("FRADDL", r.FRADDL, g));
        ASSERT_TRUE(Same("TOADDL", r.TOADDL, g));
        ASSERT_TRUE(Same("FRADDR", r.FRADDR, g));
        ASSERT_TRUE(Same("TOADDR", r.TOADDR, g));
        ASSERT_TRUE(Same("ZIPL", r.ZIPL, g));
        ASSERT_TRUE(Same("ZIPR", r.ZIPR, g));
        ASSERT_TRUE(Same("STATEL", r.STATEL, g));
        ASSERT_TRUE(Same("COUNTYR", r.COUNTYR, g));
        ASSERT_TRUE(Same("COUSUBL", r.COUSUBL, g));
        ASSERT_TRUE(Same("PLACER", r.PLACER, g));
        ASSERT_TRUE(Same("TRACTL", r.TRACTL, g));
        ASSERT_TRUE(Same("TRACTR", r.TRACTR, g));
        ASSERT_TRUE(Same("BLOCKL", r.BLOCKL, g));
        ASSERT_TRUE(Same("BLOCKR", r.BLOCKR, g));
        // The line's end points are the first and last points of GDAL's line.
        const std::string& wkt = g.at("WKT");
        double x1, y1, x2, y2;
        ASSERT_EQ(std::sscanf(wkt.c_str(), "LINESTRING (%lf %lf", &x1, &y1), 2) << wkt;
        size_t last = wkt.rfind(',');
        ASSERT_EQ(std::sscanf(wkt.c_str() + last + 1, "%lf %lf", &x2, &y2), 2) << wkt;
        ASSERT_NEAR(r.FRLONG, x1, 1e-9);
        ASSERT_NEAR(r.FRLAT, y1, 1e-9);
        ASSERT_NEAR(r.TOLONG, x2, 1e-9);
        ASSERT_NEAR(r.TOLAT, y2, 1e-9);
    }

    std::map<std::string, const TypeIRecord*> links;
    for (const TypeIRecord& r : gTypeIRecords) links[Trim(r.TLID)] = &r;
    const std::vector<CsvRow> chainLinks = GdalLayer(Path("RT1"), "PolyChainLink", dir / "links.csv");
    ASSERT_EQ(chainLinks.size(), static_cast<size_t>(gTypeICount));
    for (const CsvRow& g : chainLinks) {
        const TypeIRecord& r = *links.at(g.at("TLID"));
        ASSERT_TRUE(Same("TZIDS", r.TZIDS, g));
        ASSERT_TRUE(Same("TZIDE", r.TZIDE, g));
        ASSERT_TRUE(Same("CENIDL", r.CENIDL, g));
        ASSERT_TRUE(Same("POLYIDL", r.POLYIDL, g));
        ASSERT_TRUE(Same("CENIDR", r.CENIDR, g));
        ASSERT_TRUE(Same("POLYIDR", r.POLYIDR, g));
    }

    std::map<long long, const Type7Record*> landmarks;
    for (const Type7Record& r : gType7Records) landmarks[r.LAND] = &r;
    const std::vector<CsvRow> points = GdalLayer(Path("RT1"), "Landmarks", dir / "landmarks.csv");
    ASSERT_EQ(points.size(), static_cast<size_t>(gType7Count));
    for (const CsvRow& g : points) {
        const Type7Record& r = *landmarks.at(std::stoll(g.at("LAND")));
        ASSERT_TRUE(Same("CFCC", r.CFCC, g));
        ASSERT_TRUE(Same("LANAME", r.LANAME, g));
    }

    // GDAL's Polygon layer joins types A and S by POLYID.
    std::map<std::string, const TypeARecord*> current;
    for (const TypeARecord& r : gTypeARecords) current[Trim(r.POLYID)] = &r;
    std::map<std::string, const TypeSRecord*> census;
    for (const TypeSRecord& r : gTypeSRecords) census[Trim(r.POLYID)] = &r;
    const std::vector<CsvRow> polygons = GdalLayer(Path("RT1"), "Polygon", dir / "polygons.csv");
    ASSERT_EQ(polygons.size(), static_cast<size_t>(gTypeACount));
    for (const CsvRow& g : polygons) {
        const TypeARecord& a = *current.at(g.at("POLYID"));
        ASSERT_TRUE(Same("CENID", a.CENID, g));
        ASSERT_TRUE(Same("STATECU", a.STATECU, g));
        ASSERT_TRUE(Same("COUNTYCU", a.COUNTYCU, g));
        ASSERT_TRUE(Same("TRACT", a.TRACTCU, g));
        ASSERT_TRUE(Same("BLOCK", a.BLOCKCU, g));
        ASSERT_TRUE(Same("COUSUBCU", a.COUSUBCU, g));
        ASSERT_TRUE(Same("PLACECU", a.PLACECU, g));
        ASSERT_TRUE(Same("SDUNICU", a.SDUNICU, g));
        ASSERT_TRUE(Same("CDCU", a.CDCU, g));
        ASSERT_TRUE(Same("ZCTA5CU", a.ZCTA5CU, g));
        ASSERT_TRUE(Same("ZCTA3CU", a.ZCTA3CU, g));
        ASSERT_TRUE(Same("CBSACU", a.CBSACU, g));
        ASSERT_TRUE(Same("CSACU", a.CSACU, g));
        ASSERT_TRUE(Same("METDIVCU", a.METDIVCU, g));
        const TypeSRecord& s = *census.at(g.at("POLYID"));
        ASSERT_TRUE(Same("BLKGRP", std::string(1, s.BLKGRP00), g));
        ASSERT_TRUE(Same("PLACE", s.PLACE00, g));
        ASSERT_TRUE(Same("PMSA", s.PMSA00, g));
        ASSERT_TRUE(Same("CD108", s.CD108, g));
        ASSERT_TRUE(Same("PUMA5", s.PUMA5, g));
        ASSERT_TRUE(Same("ZCTA5", s.ZCTA00, g));
        ASSERT_TRUE(Same("UR", std::string(1, s.UR), g));
        ASSERT_TRUE(Same("VTD", s.VTD, g));
        ASSERT_TRUE(Same("SLDL", s.SLDL, g));
    }
}

}  // namespace
