// The synthetic county generator against the record store: what it writes
// reads back through the parsers and readers as the county model says.
#include "conv2/job_state.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "county_model.h"
#include "county_writer.h"
#include "support/county_files.h"
#include "support/record_job.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace vornak2;
using countygen::CellCodes;
using countygen::CountyModel;
using countygen::CountySpec;
using countygen::LineInfo;
using testsupport::Blanks;
using testsupport::Pad;
using testsupport::RecordJob;

namespace {

// A grid large enough for every kind of record: water, park and school
// cells, an American Indian area, alternate names, an overpass.
CountySpec SmallSpec(char edition, std::uint64_t seed = 3) {
    CountySpec spec;
    spec.width = 17;
    spec.height = 11;
    spec.edition = edition;
    spec.seed = seed;
    return spec;
}

struct FileReader {
    const char* suffix;
    void (*read)();
};

// Every record type, in the driver's order.
const FileReader kReaders[] = {
    {"rt1", ReadType1Records}, {"rt2", ReadType2Records}, {"rti", ReadTypeIRecords}, {"rt4", ReadType4Records},
    {"rt5", ReadType5Records}, {"rt6", ReadType6Records}, {"rtz", ReadTypeZRecords}, {"rtu", ReadTypeURecords},
    {"rtc", ReadTypeCRecords}, {"rta", ReadTypeARecords}, {"rts", ReadTypeSRecords}, {"rtp", ReadTypePRecords},
    {"rtb", ReadTypeBRecords}, {"rt7", ReadType7Records}, {"rt8", ReadType8Records}, {"rte", ReadTypeERecords},
    {"rtt", ReadTypeTRecords}, {"rtm", ReadTypeMRecords},
};

void ReadCounty(const CountySpec& spec, const std::string& directory) {
    for (const FileReader& r : kReaders) {
        ASSERT_TRUE(RecordJob::Open(countygen::CountyFilePath(spec, directory, r.suffix))) << r.suffix;
        r.read();
        ASSERT_EQ(gConversionStatus, 0) << r.suffix;
    }
}

int CountOf(const char* suffix) {
    const std::map<std::string, int> counts = {
        {"rt1", gType1Count}, {"rt2", gType2Count}, {"rti", gTypeICount}, {"rt4", gType4Count},
        {"rt5", gType5Count}, {"rt6", gType6Count}, {"rtz", gTypeZCount}, {"rtu", gTypeUCount},
        {"rtc", gTypeCCount}, {"rta", gTypeACount}, {"rts", gTypeSCount}, {"rtp", gTypePCount},
        {"rtb", gTypeBCount}, {"rt7", gType7Count}, {"rt8", gType8Count}, {"rte", gTypeECount},
        {"rtt", gTypeTCount}, {"rtm", gTypeMCount}};
    return counts.at(suffix);
}

double Degrees(long long millionths) { return static_cast<double>(millionths) * 0.000001; }
int Number(const char* text) { return std::stoi(text); }

char ClassLetter(const std::string& cfcc) { return cfcc[0] == 'P' ? 'A' : cfcc[0]; }

void ExpectType1Rows(const CountyModel& model) {
    for (const Type1Record& r : gType1Records) {
        const LineInfo l = model.Line(Number(r.TLID) - 100000001);
        SCOPED_TRACE(r.TLID);
        EXPECT_EQ(r.TLID, l.tlid);
        EXPECT_EQ(r.CFCC, l.cfcc);
        EXPECT_EQ(r.lineClass, ClassLetter(l.cfcc));
        EXPECT_EQ(r.FENAME, Pad(l.fename, 30));
        EXPECT_EQ(r.FETYPE, Pad(l.fetype, 4));
        EXPECT_EQ(r.SOURCE, 'J');
        EXPECT_EQ(r.FRADDL, l.fraddl);
        EXPECT_EQ(r.TOADDL, l.toaddl);
        EXPECT_EQ(r.FRADDR, l.fraddr);
        EXPECT_EQ(r.TOADDR, l.toaddr);
        EXPECT_EQ(r.ZIPL, l.zipl);
        EXPECT_EQ(r.ZIPR, l.zipr);
        for (bool left : {true, false}) {
            const int cell = left ? l.leftCell : l.rightCell;
            const CellCodes c = cell >= 0 ? model.Cell(cell) : CellCodes{};
            auto code = [cell](const std::string& text, size_t n) { return cell >= 0 ? text : Blanks(n); };
            EXPECT_EQ(left ? r.STATEL : r.STATER, code(c.state, 2));
            EXPECT_EQ(left ? r.COUNTYL : r.COUNTYR, code(c.county, 3));
            EXPECT_EQ(left ? r.COUSUBL : r.COUSUBR, code(c.cousub, 5));
            EXPECT_EQ(left ? r.PLACEL : r.PLACER, code(c.place, 5));
            EXPECT_EQ(left ? r.TRACTL : r.TRACTR, code(c.tract, 6));
            EXPECT_EQ(left ? r.BLOCKL : r.BLOCKR, code(c.block, 4));
            EXPECT_EQ(left ? r.AIANHHFPL : r.AIANHHFPR, code(c.aianhhfp, 5));
            const char indicator = cell >= 0 && c.aihhtli != ' ' ? c.aihhtli : '0';
            EXPECT_EQ(left ? r.AIHHTLIL : r.AIHHTLIR, indicator);
        }
        EXPECT_EQ(r.FRLONG, Degrees(l.from.lon));
        EXPECT_EQ(r.FRLAT, Degrees(l.from.lat));
        EXPECT_EQ(r.TOLONG, Degrees(l.to.lon));
        EXPECT_EQ(r.TOLAT, Degrees(l.to.lat));
    }
}

void ExpectShapeAndLinkRows(const CountyModel& model) {
    int shapeRows = 0;
    for (int line = 0; line < model.LineCount(); ++line) shapeRows += model.ShapeRecordCount(line);
    EXPECT_EQ(gType2Count, shapeRows);
    for (const Type2Record& r : gType2Records) {
        const LineInfo l = model.Line(Number(r.TLID) - 100000001);
        const int rtsq = Number(r.RTSQ);
        for (int k = 0; k < 10; ++k) {
            const size_t point = static_cast<size_t>(10 * (rtsq - 1) + k);
            const bool there = point < l.shapePoints.size();
            EXPECT_EQ(r.points[k].x, there ? Degrees(l.shapePoints[point].lon) : 0.0) << r.TLID << " " << k;
            EXPECT_EQ(r.points[k].y, there ? Degrees(l.shapePoints[point].lat) : 0.0) << r.TLID << " " << k;
        }
    }
    for (int row = 0; row < gTypeICount; ++row) {
        const TypeIRecord& r = gTypeIRecords[static_cast<size_t>(row)];
        const LineInfo l = model.Line(row);  // sorted by TLID: row = line number
        EXPECT_EQ(r.TLID, l.tlid);
        EXPECT_EQ(r.TZIDS, model.Tzid(l.fromNode));
        EXPECT_EQ(r.TZIDE, model.Tzid(l.toNode));
        EXPECT_EQ(r.CENIDL, l.leftCell >= 0 ? model.Cell(l.leftCell).cenid : Blanks(5));
        EXPECT_EQ(r.POLYIDL, l.leftCell >= 0 ? model.Cell(l.leftCell).polyid : Blanks(10));
        EXPECT_EQ(r.CENIDR, l.rightCell >= 0 ? model.Cell(l.rightCell).cenid : Blanks(5));
        EXPECT_EQ(r.POLYIDR, l.rightCell >= 0 ? model.Cell(l.rightCell).polyid : Blanks(10));
        EXPECT_EQ(r.VERSION, model.Version());
    }
    for (int row = 0; row < gTypeMCount; ++row) {
        EXPECT_EQ(gTypeMRecords[static_cast<size_t>(row)].TLID, model.Tlid(row));
        EXPECT_STREQ(gTypeMRecords[static_cast<size_t>(row)].SOURCEID, "COUNTYGEN ");
    }
    for (int row = 0; row < gTypeTCount; ++row) EXPECT_EQ(gTypeTRecords[static_cast<size_t>(row)].TZID, model.Tzid(row));
}

void ExpectPolygonRows(const CountyModel& model) {
    const int edition = model.EditionCode();
    auto onlyFor = [](bool read, const std::string& text) { return read ? text : std::string(); };
    for (const TypeARecord& a : gTypeARecords) {
        const CellCodes c = model.Cell(Number(a.POLYID) - 1);
        SCOPED_TRACE(a.POLYID);
        EXPECT_EQ(a.CENID, c.cenid);
        EXPECT_EQ(a.STATECU, c.state);
        EXPECT_EQ(a.COUNTYCU, c.county);
        EXPECT_EQ(a.TRACTCU, c.tract);
        EXPECT_EQ(a.BLOCKCU, c.block);
        EXPECT_EQ(a.BLOCKSUFCU, '0');  // a blank suffix reads as '0'
        EXPECT_EQ(a.AIANHHFPCU, c.aianhhfp);
        EXPECT_EQ(a.AIANHHCU, c.aianhh);
        EXPECT_EQ(a.AIHHTLICU, c.aihhtli == 'T' ? 'T' : ' ');
        EXPECT_EQ(a.COUSUBCU, c.cousub);
        EXPECT_EQ(a.PLACECU, c.place);
        EXPECT_EQ(a.SDELMCU, c.sdelm);
        EXPECT_EQ(a.SDSECCU, c.sdsec);
        EXPECT_EQ(a.SDUNICU, c.sduni);
        EXPECT_EQ(a.CDCU, c.cd);
        EXPECT_EQ(a.MSACMASCU, onlyFor(edition == 104, c.msacmas));
        EXPECT_EQ(a.NECMACU, onlyFor(edition == 104, c.necma));
        EXPECT_EQ(a.ZCTA5CU, onlyFor(edition >= 105, c.zcta5));
        EXPECT_EQ(a.ZCTA3CU, onlyFor(edition >= 105, c.zcta3));
        EXPECT_EQ(a.CBSACU, onlyFor(edition >= 105, c.cbsa));
        EXPECT_EQ(a.NECTADIVCU, onlyFor(edition >= 105, c.nectadiv));
        EXPECT_EQ(a.SLDUCU, onlyFor(edition == 106, c.sldu));
        EXPECT_EQ(a.SLDLCU, onlyFor(edition == 106, c.sldl));
        EXPECT_EQ(a.UACU, onlyFor(edition == 106, c.ua));
        EXPECT_EQ(a.URCU, edition == 106 ? c.ur : '\0');
    }
    for (const TypeSRecord& s : gTypeSRecords) {
        const CellCodes c = model.Cell(Number(s.POLYID) - 1);
        EXPECT_EQ(s.TRACT00, c.tract);
        EXPECT_EQ(s.BLOCK00, c.block);
        EXPECT_EQ(s.BLKGRP00, c.blockGroup);
        EXPECT_EQ(s.PLACE00, c.place);
        EXPECT_EQ(s.MSACMAS00, c.msacmas);
        EXPECT_EQ(s.CD106, c.cd106);
        EXPECT_EQ(s.CD108, c.cd108);
        EXPECT_EQ(s.PUMA5, c.puma5);
        EXPECT_EQ(s.PUMA1, c.puma1);
        EXPECT_EQ(s.ZCTA00, c.zcta5);
        EXPECT_EQ(s.TAZ, c.taz);
        EXPECT_EQ(s.UA, c.ua);
        EXPECT_EQ(s.UR, c.ur);
        EXPECT_EQ(s.VTD, c.vtd);
        EXPECT_EQ(s.SLDU, c.sldu);
        EXPECT_EQ(s.SLDL, c.sldl);
    }
    for (const TypePRecord& p : gTypePRecords) {
        const CellCodes c = model.Cell(Number(p.POLYID) - 1);
        EXPECT_EQ(p.CENID, c.cenid);
        EXPECT_EQ(p.POLYLONG, Degrees(c.centre.lon));
        EXPECT_EQ(p.POLYLAT, Degrees(c.centre.lat));
        EXPECT_EQ(p.WATER, c.water ? 1 : 0);
    }
    for (const TypeBRecord& b : gTypeBRecords) {
        const CellCodes c = model.Cell(Number(b.POLYID) - 1);
        EXPECT_EQ(b.TRACTCQ, c.tract);
        EXPECT_EQ(b.BLOCKCQ, c.block + c.blockSuffix);
        EXPECT_EQ(b.PLACECQ, c.place);
        EXPECT_EQ(b.UACC, c.ua);
        EXPECT_EQ(b.URCC, c.ur);
    }
    for (const TypeERecord& e : gTypeERecords) {
        const CellCodes c = model.Cell(Number(e.POLYID) - 1);
        EXPECT_EQ(e.STATEEC, c.state);
        EXPECT_EQ(e.PLACEEC, c.place);
        EXPECT_EQ(e.COMREGEC, c.commercialRegion);
    }
}

void ExpectOtherRows(const CountyModel& model) {
    const std::vector<countygen::Landmark> marks = model.Landmarks();
    ASSERT_EQ(gType7Count, static_cast<int>(marks.size()));
    int areas = 0;
    for (size_t k = 0; k < marks.size(); ++k) {
        const Type7Record& r = gType7Records[k];  // sorted by LAND = k + 1
        EXPECT_EQ(r.LAND, marks[k].land);
        EXPECT_EQ(r.CFCC, marks[k].cfcc);
        EXPECT_EQ(r.LANAME, Pad(marks[k].laname, 30));
        const CellCodes c = model.Cell(marks[k].cell);
        EXPECT_EQ(std::string(r.LALONG).find_first_not_of(' ') == std::string::npos, marks[k].area);
        if (!marks[k].area) {
            EXPECT_EQ(std::stoll(r.LALONG), c.centre.lon);
        }
        areas += marks[k].area ? 1 : 0;
    }
    ASSERT_EQ(gType8Count, areas);
    for (const Type8Record& r : gType8Records) {
        const countygen::Landmark& m = marks[static_cast<size_t>(r.LAND - 1)];
        EXPECT_TRUE(m.area);
        EXPECT_EQ(r.POLYID, model.Cell(m.cell).polyid);
        EXPECT_EQ(r.CENID, model.Cell(m.cell).cenid);
    }

    std::map<std::string, countygen::Feature> features;
    for (const countygen::Feature& f : model.Features()) features[f.feat] = f;
    ASSERT_EQ(gType5Count, static_cast<int>(features.size()));
    for (const Type5Record& r : gType5Records) {
        const countygen::Feature& f = features.at(r.FEAT);
        EXPECT_EQ(r.FENAME, Pad(f.fename, 30));
        EXPECT_EQ(r.FETYPE, Pad(f.fetype, 4));
    }
    const std::vector<countygen::AlternateNames> alternates = model.AlternateNameRows();
    ASSERT_EQ(gType4Count, static_cast<int>(alternates.size()));
    for (size_t k = 0; k < alternates.size(); ++k) {  // the model lists them by column, then row: TLID order
        EXPECT_EQ(gType4Records[k].TLID, model.Tlid(alternates[k].line));
        EXPECT_EQ(gType4Records[k].FEAT1, alternates[k].feat1);
        EXPECT_EQ(gType4Records[k].FEAT2, alternates[k].feat2);
        EXPECT_EQ(gType4Records[k].FEAT3, Blanks(8));
    }
    const std::vector<int> additional = model.AdditionalAddressLines();
    ASSERT_EQ(gType6Count, static_cast<int>(additional.size()));
    for (size_t k = 0; k < additional.size(); ++k) {
        const LineInfo l = model.Line(additional[k]);
        EXPECT_EQ(gType6Records[k].TLID, l.tlid);
        EXPECT_EQ(std::stoll(gType6Records[k].FRADDR), std::stoll(l.fraddr) + 100);
        EXPECT_EQ(gType6Records[k].ZIPL, l.zipl);
    }
    const std::vector<int> zip4 = model.Zip4Lines();
    ASSERT_EQ(gTypeZCount, static_cast<int>(zip4.size()));
    for (size_t k = 0; k < zip4.size(); ++k) {
        EXPECT_EQ(gTypeZRecords[k].TLID, model.Tlid(zip4[k]));
        EXPECT_EQ(gTypeZRecords[k].ZIP4L, CountyModel::Zip4Left(zip4[k]));
        EXPECT_EQ(gTypeZRecords[k].ZIP4R, CountyModel::Zip4Right(zip4[k]));
    }
    const std::vector<countygen::OverUnderPass> passes = model.OverUnderPasses();
    ASSERT_EQ(gTypeUCount, static_cast<int>(passes.size()));
    for (size_t k = 0; k < passes.size(); ++k) {  // by row, then column: TZID order
        const TypeURecord& u = gTypeURecords[k];
        EXPECT_EQ(u.TZID, model.Tzid(passes[k].node));
        EXPECT_EQ(u.RTSQ, 1);
        EXPECT_EQ(u.TLIDOV1, passes[k].tlidov1);
        EXPECT_EQ(u.TLIDUN2, passes[k].tlidun2);
        EXPECT_EQ(u.FRLONG, Degrees(model.NodePoint(passes[k].node).lon));
    }
    const std::vector<countygen::EntityName> names = model.EntityNames();
    ASSERT_EQ(gTypeCCount, static_cast<int>(names.size()));
    for (size_t k = 0; k < names.size(); ++k) {  // file order
        const TypeCRecord& c = gTypeCRecords[k];
        EXPECT_EQ(c.NAME, Pad(names[k].name, 60));
        EXPECT_EQ(c.ENTITY, names[k].entity == ' ' ? '0' : names[k].entity);
        EXPECT_EQ(c.FIPS, Pad(names[k].fips, 5));
        EXPECT_EQ(c.VTDTRACT, Pad(names[k].vtdtract, 6));
        if (model.EditionCode() >= 105) {
            EXPECT_EQ(c.CBSANECTA, Pad(names[k].cbsanecta, 5));
            EXPECT_EQ(c.COMMREG, names[k].commreg < 0 ? 0 : names[k].commreg);
        }
    }
}

class CountyGenTest : public ::testing::TestWithParam<char> {};

TEST_P(CountyGenTest, TablesHoldWhatTheGeneratorWrote) {
    testsupport::TempDir dir;
    const CountySpec spec = SmallSpec(GetParam());
    const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
    const CountyModel model(spec);
    RecordJob job(dir.path(), model.EditionCode(), GetParam() >= 'c');
    ReadCounty(spec, dir.path());

    EXPECT_EQ(job.Log(), GetParam() >= 'c' ? "Second Edition TIGER 2004\n" : "First Edition TIGER 2004\n");
    char version[8];
    std::snprintf(version, sizeof version, "%04d", model.Version());
    EXPECT_EQ(testsupport::ReadFile(dir / "date.txt"), version);
    for (const FileReader& r : kReaders) EXPECT_EQ(CountOf(r.suffix), county.records.at(r.suffix)) << r.suffix;
    EXPECT_EQ(gType1Count, model.LineCount());
    EXPECT_EQ(gTypeACount, model.CellCount());
    EXPECT_EQ(gTypeTCount, model.NodeCount());
    EXPECT_EQ(gMaxRtsq, model.MaxRtsq());
    EXPECT_EQ(gMaxRtsq, 2);
    const std::array<int, 8> classes = model.ClassCounts();
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(gCfccClassCounts[static_cast<size_t>(k)], classes[static_cast<size_t>(k)]) << k;
        EXPECT_GT(classes[static_cast<size_t>(k)], 0) << k;  // every class is there
    }
    ExpectType1Rows(model);
    ExpectShapeAndLinkRows(model);
    ExpectPolygonRows(model);
    ExpectOtherRows(model);
}

INSTANTIATE_TEST_SUITE_P(Editions, CountyGenTest, ::testing::Values('9', 'a', 'c', 'd'));

TEST(CountyGenOrderTest, SeedChangesOnlyTheRecordOrder) {
    testsupport::TempDir dir;
    const std::string natural = dir / "natural", shuffled = dir / "shuffled", again = dir / "again";
    for (const std::string& d : {natural, shuffled, again}) ASSERT_EQ(::mkdir(d.c_str(), 0755), 0);
    countygen::WriteCounty(SmallSpec('c', 0), natural);
    countygen::WriteCounty(SmallSpec('c', 11), shuffled);
    countygen::WriteCounty(SmallSpec('c', 11), again);
    for (const FileReader& r : kReaders) {
        const std::string a = testsupport::ReadFile(countygen::CountyFilePath(SmallSpec('c'), shuffled, r.suffix));
        EXPECT_EQ(a, testsupport::ReadFile(countygen::CountyFilePath(SmallSpec('c'), again, r.suffix))) << r.suffix;
    }
    EXPECT_NE(testsupport::ReadFile(countygen::CountyFilePath(SmallSpec('c'), natural, "rt1")),
              testsupport::ReadFile(countygen::CountyFilePath(SmallSpec('c'), shuffled, "rt1")));

    // Read back, the sorted tables are the same byte for byte.
    std::vector<Type1Record> lines;
    std::vector<Type2Record> shapes;
    std::vector<TypeARecord> polygons;
    std::vector<TypePRecord> centres;
    {
        RecordJob job(dir.path());
        ReadCounty(SmallSpec('c'), natural);
        lines = gType1Records;
        shapes = gType2Records;
        polygons = gTypeARecords;
        centres = gTypePRecords;
    }
    RecordJob job(dir.path());
    ReadCounty(SmallSpec('c'), shuffled);
    ASSERT_EQ(gType1Records.size(), lines.size());
    EXPECT_EQ(std::memcmp(gType1Records.data(), lines.data(), lines.size() * sizeof(Type1Record)), 0);
    EXPECT_EQ(std::memcmp(gType2Records.data(), shapes.data(), shapes.size() * sizeof(Type2Record)), 0);
    EXPECT_EQ(std::memcmp(gTypeARecords.data(), polygons.data(), polygons.size() * sizeof(TypeARecord)), 0);
    EXPECT_EQ(std::memcmp(gTypePRecords.data(), centres.data(), centres.size() * sizeof(TypePRecord)), 0);
}

TEST(CountyGenFilesTest, WithoutTypeBOnlyTheTypeBFileIsLeftOut) {
    testsupport::TempDir dir;
    const std::string with = dir / "with", without = dir / "without";
    for (const std::string& d : {with, without}) ASSERT_EQ(::mkdir(d.c_str(), 0755), 0);
    CountySpec spec = SmallSpec('d', 5);
    const countygen::GeneratedCounty full = countygen::WriteCounty(spec, with);
    spec.typeB = false;
    const countygen::GeneratedCounty lean = countygen::WriteCounty(spec, without);

    EXPECT_FALSE(testsupport::Exists(countygen::CountyFilePath(spec, without, "rtb")));
    EXPECT_EQ(lean.records.count("rtb"), 0u);
    const std::string typeB = testsupport::ReadFile(countygen::CountyFilePath(spec, with, "rtb"));
    EXPECT_EQ(full.records.at("rtb"), spec.width * spec.height);
    EXPECT_EQ(full.bytes - lean.bytes, static_cast<long long>(typeB.size()));
    for (const char* suffix : {"rt1", "rt2", "rti", "rt4", "rt5", "rt6", "rtz", "rtu", "rtc", "rta", "rts", "rtp",
                               "rt7", "rt8", "rte", "rtt", "rtm", "met"}) {
        EXPECT_EQ(testsupport::ReadFile(countygen::CountyFilePath(spec, with, suffix)),
                  testsupport::ReadFile(countygen::CountyFilePath(spec, without, suffix)))
            << suffix;
    }
}

TEST(CountyGenFilesTest, LineEndsNamesAndTheSmallestCounty) {
    testsupport::TempDir dir;
    CountySpec spec;
    spec.width = spec.height = 1;
    spec.crlf = false;
    spec.upperCaseNames = false;
    const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
    EXPECT_EQ(county.type1Path, dir / "tgr25901.rt1");
    const std::string met = testsupport::ReadFile(dir / "tgr25901.met");
    EXPECT_EQ(met.find('\r'), std::string::npos);
    EXPECT_EQ(met.substr(0, 37), "Synthetic TIGER/Line county tgr25901\n");
    EXPECT_EQ(testsupport::ReadFile(dir / "tgr25901.rtp"),
              "P110525901CA001         1 -71499500+420005000\n");

    // One cell: four boundary lines, one with a single shape point.
    RecordJob job(dir.path());
    ReadCounty(spec, dir.path());
    EXPECT_EQ(gType1Count, 4);
    EXPECT_EQ(gCfccClassCounts[tigercore::kClassF], 4);
    EXPECT_EQ(gType2Count, 1);
    EXPECT_EQ(gMaxRtsq, 1);
    EXPECT_EQ(gTypeACount, 1);

    testsupport::TempDir crlf;
    spec.crlf = true;
    spec.upperCaseNames = true;
    countygen::WriteCounty(spec, crlf.path());
    const std::string text = testsupport::ReadFile(crlf / "TGR25901.MET");
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    for (size_t k = 0; k < text.size(); ++k) {
        if (text[k] == '\n') {
            ASSERT_TRUE(k > 0 && text[k - 1] == '\r') << k;
        }
    }
}

TEST(CountyGenSizeTest, ChainsGiveTheSmallestSquareGrid) {
    EXPECT_EQ(countygen::SpecForChains(4).width, 1);
    EXPECT_EQ(countygen::SpecForChains(5).width, 2);
    const CountySpec big = countygen::SpecForChains(500000);
    EXPECT_EQ(big.width, 500);
    EXPECT_GE(CountyModel(big).LineCount(), 500000);
    EXPECT_EQ(CountyModel(big).LineCount(), 501000);
}

TEST(CountyGenDisplayTest, AWholeCallReadsTheCountyWithoutALogMessage) {
    testsupport::TempDir dir;
    const std::string in = dir / "in", out = dir / "out";
    ASSERT_EQ(::mkdir(in.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(out.c_str(), 0755), 0);
    const countygen::GeneratedCounty county = countygen::WriteCounty(SmallSpec('c'), in);
    // Flag 13 opens the polygon stage without a builder: every polygon
    // record file is read.
    testsupport::ConvertCounty(county.type1Path, out, testsupport::Options('c', '0', {13}));
    const std::string log = testsupport::ReadFile(out + "/TGR25901.log");
    // Its one output is the metadata table, a row per line.
    const countygen::CountyModel model(SmallSpec('c'));
    EXPECT_EQ(testsupport::LogMessages(log), "directory " + out + "/TGR25901 created\nWrote " +
                                                 std::to_string(model.LineCount()) + " Metadata records to file " +
                                                 out + "/TGR25901/TGR25901met.dbf\n")
        << log;
    EXPECT_NE(log.find("Second Edition TIGER 2004\n"), std::string::npos);
    EXPECT_EQ(testsupport::ReadFile(out + "/TGR25901/date.txt"), "1105");
}

}  // namespace
