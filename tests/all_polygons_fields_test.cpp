// The all-polygons field tables of the four editions (names, widths, types,
// offsets, record lengths) and the row of a polygon, byte by byte.
#include "conv2/all_polygons_fields.h"
#include "support/text_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace vornak2;
using testsupport::Put;

namespace {

// Every field of any edition in row order: its name ("first/second" where
// the editions differ), widths and row offsets for 2002, 2003-2005, 2006
// (-1: not in the edition).
struct ExpectedField {
    const char* name;
    int widths[3];
    int offsets[3];
};

const ExpectedField kExpected[] = {
{"POLYID", {10, 10, 10}, {1, 1, 1}},
    {"CENID", {5, 5, 5}, {11, 11, 11}},
    {"STATECU", {2, 2, 2}, {16, 16, 16}},
    {"COUNTYCU", {3, 3, 3}, {18, 18, 18}},
    {"TRACTCU/TRACT", {6, 6, 6}, {21, 21, 21}},
    {"BLOCKCU/BLOCK", {4, 4, 4}, {27, 27, 27}},
    {"BLOCKSUFCU", {1, 1, 1}, {31, 31, 31}},
    {"AIANHHFPCU", {5, 5, 5}, {32, 32, 32}},
    {"AIANHHCU", {4, 4, 4}, {37, 37, 37}},
    {"AIHHTLICU", {1, 1, 1}, {41, 41, 41}},
    {"ANRCCU", {5, 5, 5}, {42, 42, 42}},
    {"AITSCECU", {3, 3, 3}, {47, 47, 47}},
    {"AITSCU", {5, 5, 5}, {50, 50, 50}},
    {"CONCITCU", {5, 5, 5}, {55, 55, 55}},
    {"COUSUBCU", {5, 5, 5}, {60, 60, 60}},
    {"SUBMCDCU", {5, 5, 5}, {65, 65, 65}},
    {"PLACECU", {5, 5, 5}, {70, 70, 70}},
    {"SDELMCU", {5, 5, 5}, {75, 75, 75}},
    {"SDSECCU", {5, 5, 5}, {80, 80, 80}},
    {"SDUNICU", {5, 5, 5}, {85, 85, 85}},
    {"MSACMASCU", {4, 0, 0}, {90, -1, -1}},
    {"PMSACU", {4, 0, 0}, {94, -1, -1}},
    {"NECMACU", {4, 0, 0}, {98, -1, -1}},
    {"CDCU", {2, 2, 2}, {102, 90, 90}},
    {"ZCTACU/ZCTA5CU", {5, 5, 5}, {104, 92, 92}},
    {"ZCTA3CU", {3, 3, 3}, {109, 97, 97}},
    {"SLDUCU", {0, 0, 3}, {-1, -1, 100}},
    {"SLDLCU", {0, 0, 3}, {-1, -1, 103}},
    {"CBSACU", {0, 5, 5}, {-1, 100, 106}},
    {"CSACU", {0, 3, 3}, {-1, 105, 111}},
    {"NECTACU", {0, 5, 5}, {-1, 108, 114}},
    {"CNECTACU", {0, 3, 3}, {-1, 113, 119}},
    {"METDIVCU", {0, 5, 5}, {-1, 116, 122}},
    {"NECTADIVCU", {0, 5, 5}, {-1, 121, 127}},
    {"UACU", {0, 0, 5}, {-1, -1, 132}},
    {"URCU", {0, 0, 1}, {-1, -1, 137}},
    {"STATE00", {2, 2, 2}, {112, 126, 138}},
    {"COUNTY00", {3, 3, 3}, {114, 128, 140}},
    {"TRACT00", {6, 6, 6}, {117, 131, 143}},
    {"BLOCK00", {4, 4, 4}, {123, 137, 149}},
    {"BLKGRP00", {1, 1, 1}, {127, 141, 153}},
    {"AIANHHFP00", {5, 5, 5}, {128, 142, 154}},
    {"AIANHH00", {4, 4, 4}, {133, 147, 159}},
    {"AIHHTLI00", {1, 1, 1}, {137, 151, 163}},
    {"ANRC00", {5, 5, 5}, {138, 152, 164}},
    {"AITSCE00", {3, 3, 3}, {143, 157, 169}},
    {"AITS00", {5, 5, 5}, {146, 160, 172}},
    {"CONCIT00", {5, 5, 5}, {151, 165, 177}},
    {"COUSUB00", {5, 5, 5}, {156, 170, 182}},
    {"SUBMCD00", {5, 5, 5}, {161, 175, 187}},
    {"PLACE00", {5, 5, 5}, {166, 180, 192}},
    {"SDELM00", {5, 5, 5}, {171, 185, 197}},
    {"SDSEC00", {5, 5, 5}, {176, 190, 202}},
    {"SDUNI00", {5, 5, 5}, {181, 195, 207}},
    {"MSACMAS00", {4, 4, 4}, {186, 200, 212}},
    {"PMSA00", {4, 4, 4}, {190, 204, 216}},
    {"NECMA00", {4, 4, 4}, {194, 208, 220}},
    {"CD106", {2, 2, 2}, {198, 212, 224}},
    {"CD108", {0, 0, 2}, {-1, -1, 226}},
    {"PUMA5", {5, 5, 5}, {200, 214, 228}},
    {"PUMA1", {5, 5, 5}, {205, 219, 233}},
    {"ZCTA00", {5, 5, 5}, {210, 224, 238}},
    {"ZCTA300", {3, 3, 3}, {215, 229, 243}},
    {"TAZ", {6, 6, 6}, {218, 232, 246}},
    {"UA", {5, 5, 5}, {224, 238, 252}},
    {"UR", {1, 1, 1}, {229, 243, 257}},
    {"VTD", {6, 6, 6}, {230, 244, 258}},
    {"SLDU", {3, 3, 3}, {236, 250, 264}},
    {"SLDL", {3, 3, 3}, {239, 253, 267}},
    {"UGA", {5, 5, 5}, {242, 256, 270}},
    {"WATER", {1, 1, 1}, {247, 261, 275}},
    {"STATECQ", {2, 2, 2}, {248, 262, 276}},
    {"COUNTYCQ", {3, 3, 3}, {250, 264, 278}},
    {"TRACTCQ", {6, 6, 6}, {253, 267, 281}},
    {"BLOCKCQ", {4, 5, 5}, {259, 273, 287}},
    {"AIANHHFPCQ", {5, 5, 5}, {263, 278, 292}},
    {"AIANHHCQ", {4, 4, 4}, {268, 283, 297}},
    {"AIHHTLICQ", {1, 1, 1}, {272, 287, 301}},
    {"ANRCCQ", {5, 5, 5}, {273, 288, 302}},
    {"AITSCECQ", {3, 3, 3}, {278, 293, 307}},
    {"AITSCQ", {5, 5, 5}, {281, 296, 310}},
    {"CONCITCQ", {5, 5, 5}, {286, 301, 315}},
    {"COUSUBCQ", {5, 5, 5}, {291, 306, 320}},
    {"SUBMCDCQ", {5, 5, 5}, {296, 311, 325}},
    {"PLACECQ", {5, 5, 5}, {301, 316, 330}},
    {"UACC/RS_B2", {5, 5, 5}, {306, 321, 335}},
    {"URCC/RS_B3", {1, 1, 1}, {311, 326, 340}},
    {"STATEEC", {0, 2, 2}, {-1, 327, 341}},
    {"COUNTYEC", {0, 3, 3}, {-1, 329, 343}},
    {"PLACEEC", {0, 5, 5}, {-1, 332, 346}},
    {"COMREGEC", {0, 1, 1}, {-1, 337, 351}},
};

int Family(AllPolygonsEdition edition) {
    switch (edition) {
        case AllPolygonsEdition::k2002: return 0;
        case AllPolygonsEdition::k2006SecondEdition: return 2;
        default: return 1;
    }
}

// "UACC/RS_B2" and "URCC/RS_B3" take their second names in every second
// edition; the other pairs in 2006 only.
std::string NameIn(const char* names, AllPolygonsEdition edition) {
    std::string all(names);
    size_t slash = all.find('/');
    if (slash == std::string::npos) return all;
    bool correction = all.compare(0, 2, "UA") == 0 || all.compare(0, 2, "UR") == 0;
    bool second = edition == AllPolygonsEdition::k2006SecondEdition ||
                  (correction && edition == AllPolygonsEdition::k2003SecondEdition);
    return second ? all.substr(slash + 1) : all.substr(0, slash);
}

class AllPolygonsFieldsTest : public ::testing::TestWithParam<AllPolygonsEdition> {};

TEST_P(AllPolygonsFieldsTest, FieldsNamesWidthsAndOffsetsAreTheEditions) {
    const AllPolygonsEdition edition = GetParam();
    const int family = Family(edition);
    const shapeio::DbfFieldDef* field = AllPolygonsFields(edition);
    int offset = 1;
    int count = 0;
    for (const ExpectedField& expected : kExpected) {
        if (expected.offsets[family] < 0) continue;
        ASSERT_NE(field->name, nullptr) << "table ends before " << expected.name;
        EXPECT_EQ(field->name, NameIn(expected.name, edition));
        EXPECT_EQ(field->length, expected.widths[family]) << field->name;
        EXPECT_EQ(offset, expected.offsets[family]) << field->name;
        EXPECT_EQ(field->decimals, 0) << field->name;
        bool numeric = std::strcmp(field->name, "POLYID") == 0 || std::strcmp(field->name, "WATER") == 0;
        EXPECT_EQ(field->type, numeric ? 'N' : 'C') << field->name;
        offset += field->length;
        ++field;
        ++count;
    }
    EXPECT_EQ(field->name, nullptr);
    const int lengths[] = {312, 338, 352};
    const int counts[] = {76, 83, 88};
    EXPECT_EQ(count, counts[family]);
    EXPECT_EQ(offset, lengths[family]);
    EXPECT_EQ(shapeio::DbfRecordLength(AllPolygonsFields(edition)), lengths[family]);
}

INSTANTIATE_TEST_SUITE_P(Editions, AllPolygonsFieldsTest,
                         ::testing::Values(AllPolygonsEdition::k2002, AllPolygonsEdition::k2003,
                                           AllPolygonsEdition::k2003SecondEdition,
                                           AllPolygonsEdition::k2006SecondEdition));

// The text of the row at [offset, offset + width).
std::string At(const std::string& row, int offset, int width) { return row.substr(offset, width); }

TEST(AllPolygonsRowTest, PolygonWithOnlyCensus2000RowHasBlankCurrentCorrectionAndEconomicCodes) {
    TypeSRecord s{};
    Put(s.STATE00, "25");
    Put(s.COUNTY00, "025");
    Put(s.TRACT00, "010100");
    Put(s.BLOCK00, "1001");
    s.BLKGRP00 = '1';
    s.AIHHTLI00 = ' ';
    Put(s.UGA, "12345");
    s.UR = 'U';
    TypePRecord p{};
    p.WATER = 2;
    PolygonRecords records;
    records.s = &s;
    records.p = &p;

    std::string row = AllPolygonsRow(AllPolygonsEdition::k2006SecondEdition, "  00001234", "25025", records);
    ASSERT_EQ(row.size(), 352u);
    EXPECT_EQ(At(row, 0, 16), "       123425025");  // deletion blank, POLYID as a number, CENID
    EXPECT_EQ(At(row, 16, 122), std::string(122, ' '));  // every current code, one-character ones too
    EXPECT_EQ(At(row, 138, 17), "2502501010010011 ");  // STATE00 .. BLKGRP00, then the blank AIANHHFP00
    EXPECT_EQ(At(row, 257, 1), "U");
    EXPECT_EQ(At(row, 270, 5), "12345");
    EXPECT_EQ(At(row, 275, 1), "2");                       // WATER
    EXPECT_EQ(At(row, 276, 75), std::string(75, ' '));    // corrections and economic codes
    EXPECT_EQ(At(row, 351, 1), "0");                       // COMREGEC without a type E row
    EXPECT_EQ(row.find('\0'), std::string::npos);
}

TEST(AllPolygonsRowTest, BlockCorrectionLosesItsSuffixIn2002Only) {
    TypeBRecord b{};
    Put(b.BLOCKCQ, "1234A");
    Put(b.UACC, "09271");
    b.URCC = 'U';
    b.AIHHTLICQ = 'T';
    PolygonRecords records;
    records.b = &b;
    std::string row2002 = AllPolygonsRow(AllPolygonsEdition::k2002, "         7", "CA001", records);
    std::string row2003 = AllPolygonsRow(AllPolygonsEdition::k2003, "         7", "CA001", records);
    std::string row2006 = AllPolygonsRow(AllPolygonsEdition::k2006SecondEdition, "         7", "CA001", records);
    EXPECT_EQ(At(row2002, 259, 5), "1234 ");  // BLOCKCQ (4), then AIANHHFPCQ
    EXPECT_EQ(At(row2003, 273, 5), "1234A");
    EXPECT_EQ(At(row2006, 287, 5), "1234A");
    EXPECT_EQ(At(row2002, 272, 1), "T");
    EXPECT_EQ(At(row2002, 306, 6), "09271U");
    EXPECT_EQ(At(row2006, 335, 6), "09271U");
    EXPECT_EQ(At(row2002, 247, 1), "0");  // no type S row: WATER 0
    // The second edition renames two fields; its rows are the same bytes.
    EXPECT_EQ(AllPolygonsRow(AllPolygonsEdition::k2003SecondEdition, "         7", "CA001", records), row2003);
}

TEST(AllPolygonsRowTest, CurrentAndEconomicCodesGoToTheirEditionsOffsets) {
    TypeARecord a{};
    Put(a.STATECU, "25");
    Put(a.COUNTYCU, "025");
    a.BLOCKSUFCU = 'B';
    Put(a.MSACMASCU, "1120");
    Put(a.CDCU, "08");
    Put(a.ZCTA5CU, "02108");
    Put(a.SLDUCU, "S01");
    Put(a.CBSACU, "14460");
    Put(a.NECTADIVCU, "71654");
    Put(a.UACU, "09271");
    a.URCU = 'U';
    TypeERecord e{};
    Put(e.STATEEC, "25");
    Put(e.COUNTYEC, "025");
    Put(e.PLACEEC, "07000");
    e.COMREGEC = 3;
    PolygonRecords records;
    records.a = &a;
    records.e = &e;
    std::string row2002 = AllPolygonsRow(AllPolygonsEdition::k2002, "9999999999", "CA001", records);
    std::string row2003 = AllPolygonsRow(AllPolygonsEdition::k2003, "9999999999", "CA001", records);
    std::string row2006 = AllPolygonsRow(AllPolygonsEdition::k2006SecondEdition, "9999999999", "CA001", records);
    EXPECT_EQ(At(row2002, 0, 11), " 9999999999");
    EXPECT_EQ(At(row2002, 31, 1), "B");
    EXPECT_EQ(At(row2002, 90, 4), "1120");
    EXPECT_EQ(At(row2002, 102, 7), "0802108");
    EXPECT_EQ(row2002.size(), 312u);  // no economic codes in 2002
    EXPECT_EQ(At(row2003, 90, 7), "0802108");
    EXPECT_EQ(At(row2003, 100, 5), "14460");
    EXPECT_EQ(At(row2003, 121, 5), "71654");
    EXPECT_EQ(At(row2003, 327, 11), "25025070003");
    EXPECT_EQ(At(row2006, 100, 3), "S01");
    EXPECT_EQ(At(row2006, 106, 5), "14460");
    EXPECT_EQ(At(row2006, 132, 6), "09271U");
    EXPECT_EQ(At(row2006, 341, 11), "25025070003");
}

}  // namespace
