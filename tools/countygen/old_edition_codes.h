// What a synthetic county holds in the 1994-2000 editions (releases 94, 95
// and 97 to 103; the grid, the lines and the formulas are those of
// county_model.h). Field names are those of the library's record rows.
// Texts are at their full width, blank-padded as the record files carry
// them, except names (NAME, KGLNAME), which are the bare text. A field that
// the county's release does not carry is blanks of its width (a character
// field ' '); the library reads a blank one-character field as '0'.
//
// Codes of cell (i, j) beyond county_model.h (W x H cells; k, m, p the
// indexes of the squares named, counted row by row as there):
//   ANRC      in 15 <= i % 25 < 20 and 15 <= j % 25 < 20, m the square:
//             type S "%02d" of 10 + m % 90 (up to 99), type 3 "%05d" of
//             50000 + 10 m (100 on); else blank
//   tribal    in an American Indian area square k (county_model.h), with
//             s = 1 + (i % 25 - 5) / 3: AITSCE "%03d" of s, AITS "%05d" of
//             40000 + 10 k + s (type 3, 100 on)
//   SUBMCD    "%05d" of 60000 + 10 k when j % 40 >= 20 (k the subdivision's
//             square), else blank
//   CONCIT    "04000" in a place with 2 j >= H, else blank
//   UGA       "%05d" of 41000 + 10 p in a place with i % 30 < 10 (p the
//             place's square), else blank (100 on)
//   UA90      "9271" in a place, else blank; UR90 'U' / 'R'; UA00 and
//             UA00COR the urban area "09271"; UA90RED "9271 "
//   TAZPART   "%04d" of 1 + (i % 20) / 10 (up to 101)
//   SDMID     "00020" when 2 i >= W, else blank (94, 95)
//   SLDU/SLDL the three digits of county_model.h and three blanks
//   TEA       '1' when 2 i < W, else '2' (98 to 100)
//   collection block: state, county, BLKCOL "%05d" of 1000 g + 3 ((j % 10)
//             / 4) + (i % 10) / 4 (g the block group), a blank suffix (98
//             to 102)
//   VTD (type 3, 1990 voting district, all releases but 99 up to 98)
//             "%04d" of the number of VTD00
// Everything else repeats county_model.h: the 1990 codes of type A and the
// current / 2000 codes of type S and of the type 1 sides are the same.
//
// Key geographic locations (type 9), in cell order: every school cell (D43
// "School <POLYID>", house number 100 (i + 1) + 50 on the street of its row,
// FEAT j + 1, its ZCTA, ZIP4 "%04d" of 1 + c % 9999); and pairs of cells
// (i, j), (i + 1, j) with i % 8 == 0, j % 8 == 4 (D31 "Hospital <POLYID of
// the left cell>", the left one without a street, the right one with house
// number 1 and FEAT 900000 + that POLYID, which type 5 lacks).
//
// Entity names (type C), in this file order, only for codes the grid has:
// the state (LSADC 01); the county (06, FIPSCC H1); each subdivision "Town
// <code>" (43, T1) and sub-subdivision "Subtown <code>" (46); each place
// "City <code>" (55, C1, PLACEDC 'C'); each American Indian area
// "Reservation <code>" (AIR the area code, FIPS its FIPS code); each ANRC
// "Native Corporation <code>" (94, 95, 98, 99); the 1990 voting districts
// "Precinct <code>" (VTD blank-padded on the left, up to 98 but 99), the
// 2000 ones (VTD the 6 digits, PLACEDC 'P', 98 on); the urban area 1990
// "Urban Area 9271" (UA "9271 "), 2000 "Urban Area 09271" (LSADC 76, 102 on);
// each urban growth area "Growth Area <code>" (UA and FIPS the code, LSADC
// 77, 100 on); "Metro Area 1120" (LSADC 72) and "Metro Area 1123" (73), MA
// (97 on) or the CMSA/MSA and PMSA fields (94, 95); the school districts
// (SD, 97 on); from 100 each tract "Tract <n> of <state><county>" (VTD the
// tract) and the consolidated city; each tribal subdivision "Tribal
// Subdivision <AITS>" (FIPS the AITS, AITSCE; 100 on). ENTITY (97 on): S C
// M P I B V U G J 3 4 5 T A D by kind. From release 100 the county,
// subdivisions, places and American Indian areas have a 1990 and a 2000
// row; the rows of one year carry " (<year>)" after the name.
#pragma once

#include <string>

namespace countygen {

// The polygon codes of one cell: type A fields, then type S fields.
struct OldCellCodes {
    // Type A.
    std::string STATE, COUNTY, CENID, POLYID;  // the file's state and county (types A and S)
    std::string FAIR, FMCD, FPL, TRACT, BLOCK, CD106, CD108, SDELM, SDSEC, SDUNI, TAZ;
    std::string UA90;  // 81-84 up to 101, 86-89 from 102
    char UR90 = ' ';
    std::string TAZPART, STATEPOLY, COUNTYPOLY, AIR, SDMID, PUMA, UA00;
    // Type S.
    int WATER = 0;
    std::string MSACMSA, PMSA, AIANHHFP, AIANHH;
    char AIHHTLI = ' ';
    std::string ANRC, STATECU, COUNTYCU, CONCIT, COUSUB, SUBMCD, PLACE;
    char TEA = ' ';
    std::string CDCU, SLDU, SLDL, RS91, STATECOL, COUNCOL, BLKCOL;
    char BLKSUFCOL = ' ';
    std::string ZCTA, TRACT00, BLOCK00, VTD00, UGA;
    char BLKGRP00 = ' ', RS119 = ' ', RS120 = ' ';
    std::string UA00COR, UA90RED;
    char RS113 = ' ';
};

// The codes of one side of a line, in its type 1 and type 3 records; all
// blank for a side beyond the grid. CENID and POLYID are those of the
// side's polygon in the type I record.
struct OldSideCodes {
    std::string CENID, POLYID;
    // Type 1.
    std::string FAIR;
    char TRUST = ' ';
    std::string STATE, COUNTY, FMCD, FSMCD, FPL, TRACT, BLOCK;
    // Type 3.
    std::string STATE90, COUN90, VTD;
    char TRUST90 = ' ';
    std::string AIR, ANRC, AITSCE, AITS;
};

// What a type C row names.
enum class EntityKind {
    State,
    County,
    Subdivision,  // county subdivisions and sub-subdivisions
    Place,
    IndianArea,
    Anrc,
    VotingDistrict1990,
    VotingDistrict2000,
    UrbanArea1990,
    UrbanArea2000,
    UrbanGrowthArea,
    CmsaMsa,
    Pmsa,
    SchoolDistrict,
    Tract,
    ConsolidatedCity,
    TribalSubdivision,
};

// One type C row. `code` is the code a layer looks the row up by (the
// state, state and county, the FIPS, area, district or tract code; for an
// American Indian area the 4-character area code, for a tribal subdivision
// AITS followed by AITSCE); `year` 1990, 2000 or 0 (the row matches any
// year). DATAYR is the text of columns 11-14 (98 on); before 98 the year is
// in YEAR, the two digits of columns 11-12, from which the library makes
// "19" and the digits.
struct OldEntityName {
    EntityKind kind = EntityKind::State;
    std::string code;
    int year = 0;
    std::string STATE, COUNTY, DATAYR, FIPS, FIPSCC;
    char PLACEDC = ' ';
    std::string LSADC;
    char ENTITY = ' ';
    std::string MA, SD, AIR, VTD, UA, ANRC, RS52, AITSCE, NAME, YEAR, MSACMSA, PMSA;
};

// A key geographic location: one type 9 row.
struct KeyLocation {
    int cell = 0;
    std::string CENID, POLYID, CFCC, KGLNAME, ADDRESS, ZIPCODE, ZIP4, FEAT;
};

// The code texts that the border step compares, per side, built from the
// fields as the files carry them: the type A levels, numbered as the
// border counts of the type A layers (county 0 ... public use microdata
// area 16), and the type S levels (CMSA/MSA 1 ... redefined urban area 20).
enum class LevelA {
    County = 0,
    Tract = 1,
    BlockGroup = 2,
    Block = 3,
    Place = 4,
    CountySubdivision = 5,
    IndianArea = 6,
    TrafficAnalysisZone = 7,
    UrbanArea1990 = 8,
    ElementarySchool = 9,
    SecondarySchool = 10,
    UnifiedSchool = 11,
    MiddleSchool = 12,
    CongressionalDistrict106 = 14,
    UrbanArea2000 = 15,
    Puma = 16,
};

enum class LevelS {
    CmsaMsa = 1,
    Pmsa = 2,
    CongressionalDistrict = 3,
    StateHouse = 4,
    StateSenate = 5,
    Anrc = 6,
    Place = 7,
    CountySubdivision = 8,
    IndianArea = 9,
    CollectionBlock = 10,
    Tract2000 = 11,
    Block2000 = 12,
    VotingDistrict2000 = 13,
    County = 14,
    Zcta = 15,
    BlockGroup2000 = 16,
    UrbanGrowthArea = 17,
    ConsolidatedCity = 18,
    CorrectedUrbanArea2000 = 19,
    RedefinedUrbanArea1990 = 20,
};

}  // namespace countygen
