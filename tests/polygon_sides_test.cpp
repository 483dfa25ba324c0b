// Record searches, entity names and the assembly of polygon sides on
// hand-made tables.
#include "conv2/entity_names.h"
#include "conv2/job_state.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_search.h"
#include "conv2/record_store.h"
#include "conv2/stages.h"
#include "support/temp_dir.h"
#include "support/text_fields.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace vornak2;
using testsupport::Put;

namespace {

// A 60-character NAME as stored.
std::string Put60(const char* name) {
    std::string text(name);
    text.resize(60, ' ');
    return text;
}

TypeIRecord Line(const char* tlid, const char* cenidL, const char* polyL, const char* cenidR, const char* polyR) {
    TypeIRecord row{};
    Put(row.TLID, tlid);
    Put(row.CENIDL, cenidL);
    Put(row.POLYIDL, polyL);
    Put(row.CENIDR, cenidR);
    Put(row.POLYIDR, polyR);
    return row;
}

TypeARecord PolygonA(const char* cenid, const char* polyid, const char* county, const char* tract,
                     const char* block) {
    TypeARecord row{};
    Put(row.CENID, cenid);
    Put(row.POLYID, polyid);
    Put(row.STATECU, "25");
    Put(row.COUNTYCU, county);
    Put(row.TRACTCU, tract);
    Put(row.BLOCKCU, block);
    row.BLOCKSUFCU = ' ';
    Put(row.AIANHHFPCU, "");
    Put(row.AIANHHCU, "");
    row.AIHHTLICU = ' ';
    for (auto* f : {row.ANRCCU, row.CONCITCU, row.COUSUBCU, row.SUBMCDCU, row.PLACECU, row.SDELMCU, row.SDSECCU,
                    row.SDUNICU, row.ZCTA5CU, row.CBSACU, row.NECTACU, row.METDIVCU, row.NECTADIVCU, row.UACU})
        std::memcpy(f, "     ", 6);
    for (auto* f : {row.MSACMASCU, row.PMSACU, row.NECMACU}) std::memcpy(f, "    ", 5);
    for (auto* f : {row.AITSCECU, row.ZCTA3CU, row.SLDUCU, row.SLDLCU, row.CSACU, row.CNECTACU})
        std::memcpy(f, "   ", 4);
    Put(row.AITSCU, "");
    Put(row.CDCU, "");
    return row;
}

class SidesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRecordStore();
        ResetPolygonSides();
        gLogFile = platform::OpenFile(dir / "county.log", "w");
        gCurrentJob = nullptr;
        gConversionStatus = 0;
        gEditionCode = 106;
        gEditionYear = 2006;
        gSecondEdition = 1;
        gOutputDir = dir.path();
    }
    void TearDown() override {
        gTypeAScratchFile.reset();
        gLogFile.reset();
        ReleaseRecordStore();
        ReleasePolygonSides();
    }
    void SetLines(std::vector<TypeIRecord> lines) {
        gTypeIRecords = std::move(lines);
        gTypeICount = static_cast<int>(gTypeIRecords.size());
    }
    void SetTypeA(std::vector<TypeARecord> rows) {
        gTypeARecords = std::move(rows);
        gTypeACount = static_cast<int>(gTypeARecords.size());
        gTableAllocated[kTypeATable] = 1;
        gTypeAScratchFile = platform::OpenFile(dir / "a.tmp", "wb+");
    }
    std::string Log() {
        std::fflush(gLogFile.get());
        return testsupport::ReadFile(dir / "county.log");
    }
    testsupport::TempDir dir;
};

TEST_F(SidesTest, SearchesFindByHalvingWithTheirTieRules) {
    EXPECT_EQ(FindTypeARecord("00000", "0000000001"), -1);  // empty table
    std::vector<TypeARecord> rows;
    for (const char* poly : {"0000000001", "0000000005", "0000000005", "0000000005", "0000000009"})
        rows.push_back(PolygonA("25025", poly, "025", "000100", "1000"));
    gTypeARecords = {rows[0]};
    gTypeACount = 1;
    EXPECT_EQ(FindTypeARecord("25025", "0000000001"), 0);
    EXPECT_EQ(FindTypeARecord("25025", "0000000002"), -1);
    gTypeARecords = rows;
    gTypeACount = 5;
    EXPECT_EQ(FindTypeARecord("25025", "0000000001"), 0);
    EXPECT_EQ(FindTypeARecord("25025", "0000000009"), 4);
    // Among equal rows the one probed first: the middle of 0..4.
    EXPECT_EQ(FindTypeARecord("25025", "0000000005"), 2);
    EXPECT_EQ(FindTypeARecord("25025", "0000000007"), -1);
    EXPECT_EQ(FindTypeARecord("25024", "0000000005"), -1);

    // Landmark links give the first row of the polygon's run.
    for (const char* poly : {"0000000001", "0000000005", "0000000005", "0000000005", "0000000009"}) {
        Type8Record r{};
        Put(r.CENID, "25025");
        Put(r.POLYID, poly);
        gType8Records.push_back(r);
    }
    gType8Count = 5;
    EXPECT_EQ(FindType8Record("25025", "0000000005"), 1);

    // Type P is ordered POLYID first: every polygon is found whatever its CENID.
    const char* keys[][2] = {{"25025", "0000000001"}, {"25001", "0000000002"}, {"25025", "0000000002"},
                             {"25009", "0000000003"}, {"25025", "0000000004"}};
    for (auto& k : keys) {
        TypePRecord p{};
        Put(p.CENID, k[0]);
        Put(p.POLYID, k[1]);
        gTypePRecords.push_back(p);
    }
    gTypePCount = 5;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(FindTypePRecord(keys[i][0], keys[i][1]), i);

    // Landmarks by number, 10-digit numbers included.
    for (long long land : {5LL, 7LL, 7LL, 7LL, 9999999999LL}) {
        Type7Record r{};
        r.LAND = land;
        gType7Records.push_back(r);
    }
    gType7Count = 5;
    EXPECT_EQ(FindLandmarkRecord(7), 1);
    EXPECT_EQ(FindLandmarkRecord(9999999999LL), 4);
    EXPECT_EQ(FindLandmarkRecord(8), -1);
}

TypeCRecord NameRow(char entity, const char* year, const char* fips, const char* name) {
    TypeCRecord row{};
    Put(row.STATE, "25");
    Put(row.COUNTY, "025");
    Put(row.DATAYR, year);
    Put(row.FIPS, fips);
    Put(row.LSADC, "");
    row.ENTITY = entity;
    Put(row.MA, "");
    Put(row.SD, "");
    Put(row.VTDTRACT, "");
    Put(row.CSACNECTA, "");
    Put(row.CBSANECTA, "");
    Put(row.NAME, name);
    return row;
}

TEST_F(SidesTest, EntityNamesFollowKindCodesAndYear) {
    gTypeCRecords = {
        NameRow('P', "2000", "07000", "Boston 2000"), NameRow('P', "    ", "07000", "Boston any year"),
        NameRow('P', "2005", "11000", "Chelsea 2005"),  NameRow('J', "2004", "", "Metro"),
        NameRow('3', "2004", "", "Elementary"),         NameRow('E', "EC02", "07000", "Boston economic"),
        NameRow('T', "2000", "", "Tract"),
    };
    Put(gTypeCRecords[3].MA, "1120");
    Put(gTypeCRecords[4].SD, "00042");
    Put(gTypeCRecords[6].VTDTRACT, "000100");
    gTypeCRecords[2].COMMREG = 3;
    gTypeCCount = static_cast<int>(gTypeCRecords.size());

    EntityNameQuery q;
    q.kind = kPlaceEntity;
    q.code1 = "07000";
    q.year = 2000;
    EXPECT_STREQ(LookupEntityName(q), Put60("Boston 2000").c_str());
    EXPECT_EQ(gEntityRow, 0);
    q.year = 2006;  // the blank year matches any year
    EXPECT_STREQ(LookupEntityName(q), Put60("Boston any year").c_str());
    EXPECT_EQ(gEntityRow, 1);

    // 2004 second edition: 2005 rows stand in for 2004.
    q.code1 = "11000";
    q.year = 2004;
    gEditionCode = 105;
    gSecondEdition = 1;
    EXPECT_STREQ(LookupEntityName(q), Put60("Chelsea 2005").c_str());
    gSecondEdition = 0;
    EXPECT_STREQ(LookupEntityName(q), "");
    EXPECT_EQ(gEntityRow, -1);

    q.kind = kMetropolitanAreaEntity;
    q.code1 = " 1120 ";
    q.year = 2004;
    EXPECT_EQ(gEntityRow = 99, 99);
    LookupEntityName(q);
    EXPECT_EQ(gEntityRow, 3);
    q.code1 = "    ";
    EXPECT_STREQ(LookupEntityName(q), "");
    EXPECT_EQ(gEntityRow, -1);

    q.kind = kSchoolDistrictEntity;
    q.code1 = "42";
    LookupEntityName(q);
    EXPECT_EQ(gEntityRow, 4);

    q.kind = kEconomicPlaceEntity;
    q.code1 = "07000";
    q.year = 1990;
    LookupEntityName(q);
    EXPECT_EQ(gEntityRow, 5);

    q.kind = kTractEntity;
    q.code1 = "000100";
    q.year = 2000;
    LookupEntityName(q);
    EXPECT_EQ(gEntityRow, 6);
    q.kind = 2;  // no such kind
    EXPECT_STREQ(LookupEntityName(q), "");

    EXPECT_STREQ(LookupCommercialRegionName(3), Put60("Chelsea 2005").c_str());
    EXPECT_EQ(gEntityRow, 2);
    LookupCommercialRegionName(0);
    EXPECT_EQ(gEntityRow, 0);
}

TEST_F(SidesTest, CurrentSidesAreCountedPerLevelAndTheRowsSpilled) {
    gEditionCode = 106;
    SetTypeA({PolygonA("25025", "0000000001", "025", "000100", "1000"),
              PolygonA("25025", "0000000002", "025", "000100", "1001"),
              PolygonA("25025", "0000000003", "025", "000200", "2000")});
    std::memcpy(gTypeARecords[0].UACU, "04843", 6);
    std::memcpy(gTypeARecords[1].UACU, "04843", 6);
    SetLines({
        Line("1", "25025", "0000000001", "25025", "0000000002"),  // block border inside one tract
        Line("2", "25025", "0000000002", "25025", "0000000003"),  // tract border
        Line("3", "25025", "0000000003", "     ", "          "),  // county edge
        Line("4", "25025", "0000000001", "25025", "0000000001"),  // inside one polygon
        Line("5", "99999", "0000000001", "99999", "0000000002"),  // no polygon either side
    });
    AssemblePolygonInfoA();
    ASSERT_EQ(gConversionStatus, 0) << Log();

    EXPECT_EQ(IAIndex[0].left, 0);
    EXPECT_EQ(IAIndex[0].right, 1);
    EXPECT_EQ(IAIndex[2].right, -1);
    EXPECT_EQ(IAIndex[4].left, -1);
    EXPECT_EQ(IAIndex[4].right, -1);

    EXPECT_EQ(gBorderLineCountsA[kCountyCurrentLevel], 1);     // only the county edge, one side
    EXPECT_EQ(gBorderLineCountsA[kTractCurrentLevel], 2 + 1);  // line 2 two sides, line 3 one side
    EXPECT_EQ(gBorderLineCountsA[kBlockCurrentLevel], 2 + 2 + 1);
    EXPECT_EQ(gBorderLineCountsA[kBlockGroupCurrentLevel], 2 + 1);  // blocks 1000 and 1001 share group 1
    EXPECT_EQ(gBorderLineCountsA[kPlaceCurrentLevel], 0);
    // Urban: every side inside an urban area, also inside one polygon.
    EXPECT_EQ(gBorderLineCountsA[kUrbanCurrentLevel], 2 + 1 + 2);
    // Rows: lines 1, 2 two each, line 3 one.
    EXPECT_EQ(gBorderLineTotalA, 5);

    // The rows now live in the scratch file, in table order.
    EXPECT_TRUE(gTypeARecords.empty());
    EXPECT_EQ(gTableAllocated[kTypeATable], 0);
    TypeARecord back{};
    ASSERT_TRUE(ReadTypeARow(2, back));
    EXPECT_STREQ(back.TRACTCU, "000200");
    EXPECT_FALSE(ReadTypeARow(3, back));
}

TEST_F(SidesTest, RepeatedPolygonKeysGiveTheRowsTheSearchesGive) {
    std::vector<TypeARecord> rows;
    for (const char* poly : {"0000000001", "0000000005", "0000000005", "0000000005", "0000000009"})
        rows.push_back(PolygonA("25025", poly, "025", "000100", "1000"));
    SetTypeA(rows);
    SetLines({Line("1", "25025", "0000000005", "25025", "0000000009"),
              Line("2", "25025", "0000000001", "25025", "0000000007")});
    AssemblePolygonInfoA();
    // The probe rule of the search by halving meets the middle one of the run first.
    EXPECT_EQ(IAIndex[0].left, 2);
    EXPECT_EQ(IAIndex[0].right, 4);
    EXPECT_EQ(IAIndex[1].left, 0);
    EXPECT_EQ(IAIndex[1].right, -1);
}

TEST_F(SidesTest, ScratchFileThatCannotTakeTheRowsFailsTheCounty) {
    SetTypeA({PolygonA("25025", "0000000001", "025", "000100", "1000")});
    testsupport::WriteFile(dir / "readonly.tmp", "");
    gTypeAScratchFile = platform::OpenFile(dir / "readonly.tmp", "rb");
    SetLines({Line("1", "25025", "0000000001", "     ", "          ")});
    AssemblePolygonInfoA();
    EXPECT_EQ(gConversionStatus, -1);
    EXPECT_EQ(Log(), "Cannot write scratch file.  Disk area too small\n");
    EXPECT_EQ(gTypeARecords.size(), 1u);  // still in memory, released with the county
}

TEST_F(SidesTest, LevelsOfOtherEditionsStayBlankAndUncounted) {
    SetTypeA({PolygonA("25025", "0000000001", "025", "000100", "1000"),
              PolygonA("25025", "0000000002", "025", "000100", "1001")});
    std::memcpy(gTypeARecords[0].MSACMASCU, "1120", 5);
    std::memcpy(gTypeARecords[0].ZCTA5CU, "02108", 6);
    std::memcpy(gTypeARecords[0].SLDUCU, "001", 4);
    SetLines({Line("1", "25025", "0000000001", "25025", "0000000002")});
    gEditionCode = 104;
    AssemblePolygonInfoA();
    EXPECT_EQ(gBorderLineCountsA[kMsaCmsaCurrentLevel], 1);
    EXPECT_EQ(gBorderLineCountsA[kZcta5CurrentLevel], 0);
    EXPECT_EQ(gBorderLineCountsA[kUpperChamberCurrentLevel], 0);
}

TypeSRecord PolygonS(const char* cenid, const char* polyid, const char* taz, const char* ua) {
    TypeSRecord row{};
    Put(row.CENID, cenid);
    Put(row.POLYID, polyid);
    Put(row.STATE00, "25");
    Put(row.COUNTY00, "025");
    Put(row.TRACT00, "000100");
    Put(row.BLOCK00, "1000");
    row.BLKGRP00 = '1';
    Put(row.TAZ, taz);
    Put(row.UA, ua);
    Put(row.VTD, "");
    return row;
}

TEST_F(SidesTest, CensusSidesCountWaterTrafficZonesAndFindNoWaterWithoutTypeP) {
    gTypeSRecords = {PolygonS("25025", "0000000001", "", "04843"), PolygonS("25025", "0000000002", "", "04844"),
                     PolygonS("25025", "0000000003", "000007", "04843")};
    gTypeSCount = 3;
    // Polygon 2 is water; polygon 3 has no type P row.
    for (auto [poly, water] : {std::pair{"0000000001", 0}, std::pair{"0000000002", 1}}) {
        TypePRecord p{};
        Put(p.CENID, "25025");
        Put(p.POLYID, poly);
        p.WATER = water;
        gTypePRecords.push_back(p);
    }
    gTypePCount = 2;
    SetLines({
        Line("1", "25025", "0000000001", "25025", "0000000002"),  // land | water, blank zones, UA differs
        Line("2", "25025", "0000000002", "25025", "0000000002"),  // inside the water polygon
        Line("3", "25025", "0000000003", "25025", "0000000001"),  // zone 7 | blank zone
    });
    AssemblePolygonInfoS();
    ASSERT_EQ(gConversionStatus, 0);
    EXPECT_EQ(gBorderLineCountsS[kWaterSidesSlot], 1 + 2);
    // Line 1: joined texts differ but neither side has a zone: no count.
    EXPECT_EQ(gBorderLineCountsS[kTrafficAnalysisZoneLevel], 1);
    EXPECT_EQ(gBorderLineCountsS[kUrban2000Level], 2);
    EXPECT_EQ(gBorderLineCountsS[kCounty2000Level], 0);
    EXPECT_EQ(gBorderLineCountsS[kCongressionalDistrict108Level], 0);
    EXPECT_EQ(gLeftWaterFlag, 0);  // polygon 3: no type P row, not water
    EXPECT_EQ(gBorderLineTotalS, 4);
}

TEST_F(SidesTest, LandmarkSidesHoldTheFirstLinkOfThePolygon) {
    for (const char* poly : {"0000000001", "0000000002", "0000000002", "0000000002"}) {
        Type8Record r{};
        Put(r.CENID, "25025");
        Put(r.POLYID, poly);
        gType8Records.push_back(r);
    }
    gType8Count = 4;
    SetLines({Line("1", "25025", "0000000002", "25025", "0000000003"),
              Line("2", "25025", "0000000001", "25025", "0000000002")});
    ResolveLandmarkSides();
    EXPECT_EQ(gTypeIRecords[0].leftLandmarkRow, 1);
    EXPECT_EQ(gTypeIRecords[0].rightLandmarkRow, -1);
    EXPECT_EQ(gTypeIRecords[1].leftLandmarkRow, 0);
    EXPECT_EQ(gTypeIRecords[1].rightLandmarkRow, 1);
    EXPECT_EQ(gLandmarkBorderLineCount, 1 + 2);
}

TEST_F(SidesTest, EveryIndexReadsNoPolygonWhereItsTypeHasNoRows) {
    SetLines({Line("1", "25025", "0000000001", "25025", "0000000002")});
    PrepareSideIndexes();
    for (auto* index : {&IAIndex, &ISIndex, &IBIndex, &IEIndex}) {
        ASSERT_EQ(index->size(), 1u);
        EXPECT_EQ((*index)[0].left, -1);
        EXPECT_EQ((*index)[0].right, -1);
    }
}

}  // namespace
