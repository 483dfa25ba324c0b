// The border step, the record searches and the entity names of the
// 1994-2000 editions on hand-made tables: the side counts of every level by
// release, the row pair counts, the scratch file of the type A rows, the
// sides of a county without rows, the searches' tie rules and the first
// matching name of each kind.
#include "conv1/entity_names.h"
#include "conv1/job_state.h"
#include "conv1/polygon_borders.h"
#include "conv1/record_search.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "conv1/water_landmarks.h"
#include "support/temp_dir.h"
#include "support/text_fields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

using namespace vornak;
using testsupport::Blank;
using testsupport::Put;

namespace {

template <typename Row>
Row Polygon(const char* polyid) {
    Row r{};
    Put(r.CENID, "25025"), Put(r.POLYID, polyid);
    return r;
}
TypeARecord RowA(const char* polyid) {
    auto r = Polygon<TypeARecord>(polyid);
    Blank(r.FAIR, r.FMCD, r.FPL, r.TRACT, r.BLOCK, r.CD106, r.SDELM, r.SDSEC, r.SDUNI, r.TAZ, r.TAZPART, r.STATEPOLY,
          r.COUNTYPOLY, r.AIR, r.SDMID, r.PUMA, r.UA00);
    Put(r.UA90, "", 4);
    return r;
}
TypeSRecord RowS(const char* polyid) {
    auto r = Polygon<TypeSRecord>(polyid);
    Blank(r.MSACMSA, r.PMSA, r.AIANHHFP, r.AIANHH, r.ANRC, r.STATECU, r.COUNTYCU, r.CONCIT, r.COUSUB, r.SUBMCD, r.PLACE,
          r.CDCU, r.SLDU, r.SLDL, r.STATECOL, r.COUNCOL, r.BLKCOL, r.ZCTA, r.TRACT00, r.BLOCK00, r.VTD00, r.UGA,
          r.UA00COR, r.UA90RED);
    r.AIHHTLI = r.TEA = r.BLKSUFCOL = r.BLKGRP00 = ' ';
    return r;
}
TypeIRecord Line(const char* polyL, const char* polyR) {
    TypeIRecord r{};
    Put(r.CENIDL, "25025"), Put(r.POLYIDL, polyL), Put(r.CENIDR, "25025"), Put(r.POLYIDR, polyR);
    return r;
}
template <typename Row>
void Fill(std::vector<Row>& table, int& count, std::vector<Row> rows) {
    table = std::move(rows);
    count = static_cast<int>(table.size());
}

using Counts = std::map<int, int>;  // level -> count; the levels not named count 0
template <size_t N>
void ExpectCounts(const std::array<int, N>& counts, const Counts& expected) {
    for (size_t level = 0; level < N; ++level) {
        auto it = expected.find(static_cast<int>(level));
        EXPECT_EQ(counts[level], it == expected.end() ? 0 : it->second) << "level " << level;
    }
}

class BordersTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecordStore();
        ReleasePolygonBorders();
        gLogFile = platform::OpenFile(dir / "county.log", "w");
        gCurrentJob = nullptr;
        gConversionStatus = 0;
        gTypeAScratchFile = platform::OpenFile(dir / "a.tmp", "wb+");
    }
    void TearDown() override {
        ReleasePolygonBorders(), ResetRecordStore();
        gTypeAScratchFile.reset(), gLogFile.reset();
    }
    testsupport::TempDir dir;
};

// One line between polygon 1 (left) and polygon 2 (right); each case
// changes their blank rows and the line's type 3 row.
TEST_F(BordersTest, TypeALevelsCountOneEntryPerCodedSideOfABorderByRelease) {
    using Change = void (*)(TypeARecord&, TypeARecord&, Type3Record&);
    Change county = [](TypeARecord& l, TypeARecord& r, Type3Record&) {
        Put(l.STATEPOLY, "25"), Put(l.COUNTYPOLY, "025"), Put(r.STATEPOLY, "25"), Put(r.COUNTYPOLY, "027");
    };
    Change county95 = [](TypeARecord& l, TypeARecord& r, Type3Record& t) {
        Put(l.STATEPOLY, "25"), Put(r.STATEPOLY, "26");  // not read before 97
        Put(t.STATE90L, "25"), Put(t.COUN90L, "025"), Put(t.STATE90R, "25"), Put(t.COUN90R, "027");
    };
    Change taz = [](TypeARecord& l, TypeARecord& r, Type3Record&) {
        Put(l.TAZPART, "0001"), Put(r.TAZPART, "0002"), Put(l.UA90, "0100", 4), Put(r.UA90, "0100", 4);
    };
    Change ua = [](TypeARecord& l, TypeARecord& r, Type3Record&) { Put(l.UA90, "01", 4), Put(r.UA90, "02", 4); };
    Change others = [](TypeARecord& l, TypeARecord& r, Type3Record&) {
        Put(l.SDMID, "00001"), Put(r.SDMID, "00002"), Put(l.FAIR, "00010"), Put(l.SDELM, "00003");
        Put(l.CD106, "01"), Put(r.CD106, "02"), Put(r.PUMA, "00100"), Put(l.UA00, "09271"), Put(r.UA00, "09272");
        Put(l.FPL, "07000"), Put(r.FPL, "07000"), Put(l.BLOCK, "1001"), Put(r.BLOCK, "2001");
    };
    const Counts countyLevels = {{kCounty1990Level, 2}, {kTract1990Level, 2}, {kBlockGroup1990Level, 2},
                                 {kBlock1990Level, 2}};
    const struct {
        int release;
        Change change;
        Counts counts;
    } cases[] = {
        {97, county, countyLevels},
        {94, county, {}},
        {95, county95, countyLevels},
        {99, taz, {{kTrafficAnalysisZoneLevel, 2}}},
        {100, taz, {}},
        {102, ua, {{kTrafficAnalysisZoneLevel, 2}, {kUrbanArea1990Level, 2}}},
        {94, others, {{kMiddleSchoolLevel, 2}, {kElementarySchoolLevel, 1}, {kCongressionalDistrict106Level, 2},
                      {kBlockGroup1990Level, 2}, {kBlock1990Level, 2}}},
        {101, others, {{kAmericanIndianArea1990Level, 1}, {kElementarySchoolLevel, 1},
                       {kCongressionalDistrict106Level, 2}, {kBlockGroup1990Level, 2}, {kBlock1990Level, 2}}},
        {102, others, {{kAmericanIndianArea1990Level, 1}, {kElementarySchoolLevel, 1},
                       {kCongressionalDistrict106Level, 2}, {kBlockGroup1990Level, 2}, {kBlock1990Level, 2},
                       {kPumaLevel, 1}, {kUrbanArea2000Level, 2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ReleasePolygonBorders();
        gEditionCode = c.release;
        TypeARecord left = RowA("1"), right = RowA("2");
        Type3Record line3{};
        Blank(line3.STATE90L, line3.STATE90R, line3.COUN90L, line3.COUN90R);
        c.change(left, right, line3);
        Fill(gTypeARecords, gTypeACount, {left, right});
        Fill(gType3Records, gType3Count, {line3});
        Fill(gTypeIRecords, gTypeICount, {Line("1", "2")});
        DeterminePolygonBorders(kTypeASides);
        ExpectCounts(gBorderLineCountsA, c.counts);
    }
}

TEST_F(BordersTest, TypeSLevelsCountByTheirOwnPartAndTheCountyOfCompositeLevels) {
    using Change = void (*)(TypeSRecord&, TypeSRecord&);
    Change county = [](TypeSRecord& l, TypeSRecord& r) {
        Put(l.STATECU, "25"), Put(r.STATECU, "26"), Put(l.TRACT00, "000100"), Put(r.TRACT00, "000100");
    };
    Change countyOnly = [](TypeSRecord& l, TypeSRecord& r) { Put(l.STATECU, "25"), Put(r.STATECU, "26"); };
    Change groups = [](TypeSRecord& l, TypeSRecord& r) {
        l.BLKGRP00 = '1', Put(l.UA00COR, "00001"), Put(r.UGA, "00002");
    };
    Change zcta = [](TypeSRecord& l, TypeSRecord& r) { Put(l.ZCTA, "02134"), Put(r.ZCTA, "02135"), l.WATER = 1; };
    Change districts = [](TypeSRecord& l, TypeSRecord& r) {
        l.AIHHTLI = 'R', r.AIHHTLI = 'T', Put(l.SLDL, "001"), Put(r.SLDU, "002"), Put(l.SUBMCD, "00001");
        Put(l.VTD00, "    12"), r.WATER = 2;
    };
    const struct {
        int release;
        Change change;
        Counts counts;
    } cases[] = {
        {98, county, {{kCountyCurrentLevel, 2}, {kTract2000Level, 2}, {kBlock2000Level, 1},
                      {kVotingDistrict2000Level, 1}, {kZctaLevel, 1}}},
        {97, countyOnly, {{kCountyCurrentLevel, 2}, {kTract2000Level, 1}, {kBlock2000Level, 1},
                          {kVotingDistrict2000Level, 1}}},
        {99, groups, {}},
        {100, groups, {{kBlockGroup2000Level, 1}, {kUrbanGrowthAreaLevel, 1}}},
        {103, groups, {{kBlockGroup2000Level, 1}, {kUrbanGrowthAreaLevel, 1}, {kCorrectedUrbanArea2000Level, 1}}},
        {98, zcta, {{kWaterSidesSlot, 1}, {kZctaLevel, 2}, {kCollectionBlockLevel, 2}}},
        {103, zcta, {{kWaterSidesSlot, 1}, {kZctaLevel, 2}}},
        {97, districts, {{kAmericanIndianAreaCurrentLevel, 2}, {kLowerChamberLevel, 1}, {kUpperChamberLevel, 1},
                         {kCountySubdivisionCurrentLevel, 1}, {kVotingDistrict2000Level, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ReleasePolygonBorders();
        gEditionCode = c.release;
        TypeSRecord left = RowS("1"), right = RowS("2");
        c.change(left, right);
        Fill(gTypeSRecords, gTypeSCount, {left, right});
        Fill(gTypeIRecords, gTypeICount, {Line("1", "2")});
        DeterminePolygonBorders(kTypeSSides);
        ExpectCounts(gBorderLineCountsS, c.counts);
    }
}

TEST_F(BordersTest, EveryLevelOfABlankRowIsItsBlankInEveryRelease) {
    CodeText text, blank;
    for (int release : {94, 95, 97, 98, 99, 100, 101, 102, 103}) {
        gEditionCode = release;
        for (int level = 0; level < kTypeALevelCount; ++level) {
            TypeALevelCode(level, RowA("1"), -1, LineSide::kLeft, text);
            TypeALevelBlank(level, blank);
            EXPECT_STREQ(text.text, blank.text) << release << " A level " << level;
            EXPECT_FALSE(TypeALevelCarriesCode(level, text));
        }
        for (int level = 1; level < kTypeSLevelCount; ++level) {
            TypeSLevelCode(level, RowS("1"), text);
            TypeSLevelBlank(level, blank);
            EXPECT_STREQ(text.text, blank.text) << release << " S level " << level;
            EXPECT_FALSE(TypeSLevelCarriesCode(level, text));
            EXPECT_LT(TypeSLevelOwnOffset(level), std::strlen(blank.text));
        }
    }
}

TEST_F(BordersTest, RowPairsCountOneSidePerRowWhereTheRowsDiffer) {
    gEditionCode = 100;
    // One polygon on both sides, two polygons, one side without a row, neither side with one.
    Fill(gTypeIRecords, gTypeICount, {Line("1", "1"), Line("1", "3"), Line("3", "9"), Line("8", "9")});
    Fill(gTypeARecords, gTypeACount, {RowA("1"), RowA("3")});
    Fill(gTypeSRecords, gTypeSCount, {RowS("1"), RowS("3")});
    auto landmark = Polygon<Type8Record>("3");
    Fill(gType8Records, gType8Count, {landmark, landmark, landmark});
    Fill(gType9Records, gType9Count, {Polygon<Type9Record>("1")});
    for (int mode : {kTypeASides, kTypeSSides, kKeyGeographicLocationSides, kLandmarkSides})
        DeterminePolygonBorders(mode);
    EXPECT_EQ(gAllPolygonsLineCountA, 0 + 2 + 1 + 0);
    EXPECT_EQ(gAllPolygonsLineCountS, 0 + 2 + 1 + 0);
    EXPECT_EQ(gLandmarkBorderLineCount, 0 + 1 + 1 + 0);  // the type 8 sides replace the type 9 count
    const int rows[4][2] = {{0, 0}, {0, 1}, {1, -1}, {-1, -1}};
    for (int i = 0; i < 4; ++i) {
        for (const auto* index : {&IAIndex, &ISIndex}) {
            EXPECT_EQ(SidesOfLine(*index, i).left, rows[i][0]) << i;
            EXPECT_EQ(SidesOfLine(*index, i).right, rows[i][1]) << i;
        }
        const TypeIRecord& line = gTypeIRecords[static_cast<size_t>(i)];
        EXPECT_EQ(line.kglLeft, rows[i][0] == 0 ? 0 : -1) << i;
        EXPECT_EQ(line.landmarkRight, rows[i][1] == 1 ? 0 : -1) << i;  // the first of the three rows
    }
}

TEST_F(BordersTest, TypeARowsMoveToTheScratchFileAndReadBack) {
    std::vector<TypeARecord> rows = {RowA("1"), RowA("2"), RowA("3")};
    Put(rows[1].FPL, "07000");
    Fill(gTypeARecords, gTypeACount, rows);
    gTableAllocated[kTypeATable] = 1;
    DeterminePolygonBorders(kTypeASides);  // no type I rows: nothing counted, the rows move all the same
    EXPECT_TRUE(gConversionStatus == 0 && gTypeARecords.empty() && IAIndex.empty() && !gTableAllocated[kTypeATable]);
    EXPECT_EQ(testsupport::ReadFile(dir / "a.tmp").size(), 3 * 127u);
    for (int pass = 0; pass < 2; ++pass) {  // mapped, then with positioned reads
        TypeARecord back;
        for (int r = 0; r < 3; ++r) {
            ASSERT_TRUE(ReadTypeARow(r, back));
            EXPECT_EQ(std::memcmp(&back, &rows[static_cast<size_t>(r)], 127), 0) << r;
        }
        EXPECT_FALSE(ReadTypeARow(3, back) || ReadTypeARow(-1, back));
        ReleasePolygonBorders();
    }
}

TEST_F(BordersTest, AFailedScratchWriteKeepsTheTableAndAbandonsTheCounty) {
    gTypeAScratchFile = platform::OpenFile(dir / "a.tmp", "rb");
    Fill(gTypeARecords, gTypeACount, {RowA("1")});
    DeterminePolygonBorders(kTypeASides);
    EXPECT_TRUE(gConversionStatus == -1 && gTypeARecords.size() == 1u);
    std::fflush(gLogFile.get());
    EXPECT_EQ(testsupport::ReadFile(dir / "county.log"), "Cannot write scratch file.  Disk area too small\n");
}

TEST_F(BordersTest, SidesNeverResolvedReadNoPolygon) {
    Fill(gTypeIRecords, gTypeICount, {Line("1", "2"), Line("2", "3")});
    gTypeIRecords[1].kglLeft = gTypeIRecords[1].landmarkRight = 0;
    PrepareSideIndexes();
    for (const auto* index : {&IAIndex, &ISIndex}) {
        ASSERT_EQ(index->size(), 2u);
        for (int i : {0, 1, 2, -1}) EXPECT_EQ(SidesOfLine(*index, i).left + SidesOfLine(*index, i).right, -2);
    }
    EXPECT_EQ(gTypeIRecords[1].kglLeft + gTypeIRecords[1].landmarkRight, -2);
    DeterminePolygonBorders(kTypeSSides);  // a county without type S rows
    EXPECT_EQ(ISIndex[0].left + ISIndex[1].right, -2);
    EXPECT_EQ(gAllPolygonsLineCountS, 0);
}

template <typename Row>
int FillPolygons(std::vector<Row>& table, const std::vector<int>& polyids) {
    table.assign(polyids.size(), Row{});
    for (size_t i = 0; i < polyids.size(); ++i)
        Put(table[i].CENID, "25025"), Put(table[i].POLYID, std::to_string(polyids[i]).c_str());
    return static_cast<int>(polyids.size());
}

TEST(Conv1SearchTest, PolygonSearchesProbeTheEndsFirstAndType8StepsBackToTheFirstOfEqualRows) {
    const struct {
        std::vector<int> polyids;
        int key;
        int anyRow;    // types 9, S and A
        int firstRow;  // type 8
    } cases[] = {
        {{}, 1, -1, -1},           {{1}, 1, 0, 0},           {{1}, 2, -1, -1},         {{1, 2}, 2, 1, 1},
        {{2, 3, 4}, 1, -1, -1},    {{2, 3, 4}, 5, -1, -1},   {{1, 3, 5, 7, 9}, 6, -1, -1},
        {{1, 5, 5, 5, 9}, 5, 2, 1}, {{5, 5, 5, 9}, 5, 0, 0}, {{1, 2, 3, 5, 5}, 5, 4, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        gType9Count = FillPolygons(gType9Records, c.polyids);
        gTypeSCount = FillPolygons(gTypeSRecords, c.polyids);
        gTypeACount = FillPolygons(gTypeARecords, c.polyids);
        gType8Count = FillPolygons(gType8Records, c.polyids);
        const std::string key = std::to_string(c.key) + std::string(9, ' ');
        for (auto find : {FindType9Record, FindTypeSRecord, FindTypeARecord})
            EXPECT_EQ(find("25025", key.c_str()), c.anyRow);
        EXPECT_EQ(FindType8Record("25025", key.c_str()), c.firstRow);
        EXPECT_EQ(FindTypeARecord("25026", key.c_str()), -1);
    }
    ResetRecordStore();
}

TEST(Conv1SearchTest, FeatureAndLandmarkSearchesAndTheWaterLandmarks) {
    ResetRecordStore();
    gType5Records.resize(3);
    Put(gType5Records[0].FEAT, "       1"), Put(gType5Records[1].FEAT, "      12");
    Put(gType5Records[2].FEAT, "     123");
    gType5Count = 3;
    EXPECT_EQ(FindType5Record("      12"), 1);
    EXPECT_EQ(FindType5Record("12"), -1);  // the text as stored, not the number
    const std::pair<long long, const char*> landmarks[] = {
        {10, "H11"}, {20, "D43"}, {20, "H30"}, {20, "H31"}, {30, "H"}};
    for (const auto& [land, cfcc] : landmarks) {
        gType7Records.push_back(Type7Record{});
        gType7Records.back().LAND = land;
        Put(gType7Records.back().CFCC, cfcc);
    }
    gType7Count = 5;
    EXPECT_EQ(FindLandmarkRecord(20), 1);
    EXPECT_EQ(FindLandmarkRecord(25), -1);
    SelectWaterLandmarks();
    ASSERT_EQ(gWaterLandmarkCount, 4);
    EXPECT_STREQ(gWaterLandmarkRecords[0].CFCC, "H11");
    EXPECT_STREQ(gWaterLandmarkRecords[1].CFCC, "H30");
    EXPECT_EQ(gTableAllocated[kWaterLandmarkTable], 1);
    EXPECT_EQ(FindWaterLandmarkRecord(20), 1);
    EXPECT_EQ(FindWaterLandmarkRecord(30), 3);
    gType7Count = 0;
    SelectWaterLandmarks();  // no type 7 rows: the table stays
    EXPECT_EQ(gWaterLandmarkCount, 4);
    ResetRecordStore();
}

// Type C rows in file order: state, county, year, FIPS, LSADC, ENTITY,
// PLACEDC, one code field and its text, the name.
struct NameRow {
    const char *state, *county, *year, *fips, *lsadc;
    char entity, placeDc;
    size_t field;
    const char *code, *name;
};
#define AT(f) offsetof(TypeCRecord, f)
const NameRow kNameRows[] = {
    {"25", "025", "1990", "", "06", 'C', ' ', AT(VTD), "", "Suffolk 1990"},
    {"25", "025", "2000", "", "06", 'C', ' ', AT(VTD), "", "Suffolk 2000"},
    {"25", "027", "", "", "03", 'C', ' ', AT(VTD), "", "Worcester"},
    {"25", "025", "2000", "", "00", 'V', 'D', AT(VTD), "    12", "Ward 12"},
    {"25", "025", "2000", "", "00", 'V', ' ', AT(VTD), "000200", "Not a tract"},
    {"25", "025", "", "", "00", 'T', ' ', AT(VTD), "000100", "Tract 1"},
    {"25", "", "2000", "07000", "57", 'P', ' ', AT(VTD), "", "Boston"},
    {"25", "", "", "", "75", 'U', ' ', AT(UA), "09271", "Boston UA"},
    {"25", "", "2000", "", "71", 'J', ' ', AT(MA), "1120", "Boston MSA"},
    {"25", "", "", "", "00", ' ', ' ', AT(MSACMSA), "1122", "Old MSA"},
    {"02", "", "", "", "00", ' ', ' ', AT(ANRC), "01", "Corporation"},
    {"25", "", "2000", "", "00", ' ', ' ', AT(SD), "00123", "School"},
};
#undef AT

TEST(Conv1EntityNameTest, TheFirstMatchingRowOfTheKindInFileOrder) {
    ResetRecordStore();
    for (const NameRow& n : kNameRows) {
        TypeCRecord& row = gTypeCRecords.emplace_back();
        Put(row.STATE, n.state), Put(row.COUNTY, n.county), Put(row.DATAYR, n.year), Put(row.FIPS, n.fips);
        Put(row.LSADC, n.lsadc), Put(row.VTD, ""), Put(row.NAME, n.name);
        row.ENTITY = n.entity, row.PLACEDC = n.placeDc;
        std::strcpy(reinterpret_cast<char*>(&row) + n.field, n.code);
    }
    gTypeCCount = static_cast<int>(gTypeCRecords.size());
    const struct {
        int release;
        bool byYear;
        EntityNameQuery query;
        const char* name;
        int row = -1;        // gEntityRow afterwards (-1 before the lookup)
        char placeDc = 'X';  // gEntityPlaceDc afterwards ('X' before the lookup)
    } cases[] = {
        {100, true, {kCountyEntity, "", "25025", 2000}, "Suffolk 2000"},
        {100, true, {kCountyEntity, "", "25025", 1990}, "Suffolk 1990"},
        {100, true, {kCountyEntity, "", "25025", 2010}, ""},
        {99, false, {kCountyEntity, "", "25025", 0}, "Suffolk 1990"},
        {99, false, {kCountyEntity, "", "25027", 0}, ""},  // LSADC 3
        {100, true, {kCountyEntity, "", "25027", 1990}, "Worcester"},
        {100, true, {kVotingDistrictEntity, " 12 ", "25025", 2000}, "Ward 12", -1, 'D'},
        {100, true, {kVotingDistrictEntity, "13", "25025", 2000}, "", -1, ' '},
        {100, true, {kVotingDistrictEntity, "  ", "25025", 2000}, "", -1, ' '},
        {97, false, {kVotingDistrictEntity, "12", "25025", 0}, "Ward 12"},
        {100, true, {kTractEntity, "000200", "", 2000}, ""},
        {100, true, {kTractEntity, "000100", "", 1990}, "Tract 1"},
        {99, true, {kTractEntity, "000100", "", 2000}, ""},
        {100, false, {kTractEntity, "000100", "", 0}, ""},
        {100, true, {kPlaceEntity, "07000", "", 2000}, "Boston", 6, 'X'},
        {99, false, {kPlaceEntity, "07000", "", 0}, "Boston"},
        {100, true, {kUrbanAreaEntity, "09271", "", 2000}, "Boston UA", 7, 'X'},
        {100, true, {kUrbanAreaEntity, "0927", "", 1990}, "Boston UA"},
        {100, true, {kUrbanAreaEntity, "0927", "", 2000}, ""},
        {100, true, {kCmsaMsaEntity, " 1120 ", "", 2000}, "Boston MSA"},
        {99, false, {kCmsaMsaEntity, "1120", "", 0}, "Boston MSA"},
        {95, false, {kCmsaMsaEntity, "1122", "", 0}, "Old MSA"},
        {95, false, {kCmsaMsaEntity, "1120", "", 0}, ""},
        {97, false, {kPmsaEntity, "1120", "", 0}, ""},
        {97, false, {kAnrcEntity, "01", "", 0}, ""},
        {98, false, {kAnrcEntity, "01", "", 0}, "Corporation"},
        {100, true, {kSchoolDistrictEntity, "123", "", 2000}, "School"},
        {99, true, {kSchoolDistrictEntity, "123", "", 2000}, ""},
        {100, true, {42, "", "", 2000}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        gEditionCode = c.release;
        gEntityRow = -1;
        gEntityPlaceDc = 'X';
        const char* name = c.byYear ? LookupEntityNameByYear(c.query) : LookupEntityName(c.query);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(std::string(name), *c.name ? (c.name + std::string(66 - std::strlen(c.name), ' ')) : "");
        EXPECT_EQ(gEntityRow, c.row);
        EXPECT_EQ(gEntityPlaceDc, c.placeDc);
    }
    gTypeCCount = 0;
    EXPECT_STREQ(LookupEntityNameByYear({kCountyEntity, "", "25025", 2000}), "");
    ResetRecordStore();
}

}  // namespace
