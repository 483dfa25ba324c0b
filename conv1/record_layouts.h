// The rows of the county's record tables, one type per TIGER/Line record
// type of the 1994-2000 editions (releases 94, 95 and 97 to 103). Fields
// keep their TIGER/Line names where the files name them and the order of
// the row; text fields hold exactly the record's characters (blanks kept)
// followed by a NUL, so a field of width n is char[n + 1]. Coordinates are
// doubles in degrees. Columns differ by release for types 3, A, S and C
// (record_parsers.cpp reads them); a field a release does not carry holds
// blanks of its width where its parser fills blanks first, else stays zero.
//
// Stored forms used below:
//   text n  char[n + 1], the columns as they are
//   char    one character; a blank column is stored as '0'
//   int     a signed number ("%d"); a blank column reads as 0
//   degrees the signed millionths of the columns times 0.000001
#pragma once

#include "shapeio/geometry.h"
#include "tigercore/record_rows.h"

#include <cstddef>

namespace vornak {

// The rows both families share (types 1, 2, 4, 5, 6, 7, 8 and Z).
using namespace tigercore::rows;

// What the polygon stage keeps of a type 1 row: its TLID and end points.
struct LineEnds {
    char TLID[11];
    double FRLONG;
    double FRLAT;
    double TOLONG;
    double TOLAT;
};

// Census geography codes of the two sides of a line. Every text field is
// filled with blanks of its width (both characters with a blank) before the
// release's columns are copied.
struct Type3Record {
    char TLID[11];         // 6-15
    char STATE90L[3];      // 16-17
    char STATE90R[3];      // 18-19
    char COUN90L[4];       // 20-22
    char COUN90R[4];       // 23-25
    char VTDL[5];          // 104-107, every release but 99 (from 100 the tails of the AITS fields)
    char VTDR[5];          // 108-111
    int codeBorderFlag;    // set by the reader: the two sides' codes differ
    int tribalBorderFlag;  // set by the reader (100 on): the two tribal keys differ
    char TRUST90L;         // 66, 100 on
    char TRUST90R;         // 67, 100 on
    char AIRL[5];          // 78-81, 100 on
    char AIRR[5];          // 82-85, 100 on
    char ANRCL[6];         // 86-90, 100 on
    char ANRCR[6];         // 91-95, 100 on
    char AITSCEL[4];       // 96-98, 100 on
    char AITSCER[4];       // 99-101, 100 on
    char AITSL[6];         // 102-106, 100 on
    char AITSR[6];         // 107-111, 100 on
};

// Key geographic locations.
struct Type9Record {
    char CENID[6];     // 11-15
    char POLYID[11];   // 16-25
    char CFCC[4];      // 27-29
    char KGLNAME[31];  // 30-59
    char ADDRESS[12];  // 60-70, the house number
    char ZIPCODE[6];   // 71-75
    char ZIP4[5];      // 76-79
    char FEAT[9];      // 80-87, the type 5 feature of the street
};

// Polygon geographic entity codes of the 1990 census and of the code-only
// layers: exactly the 127-byte record of the scratch file a.tmp. Fields a
// release does not carry hold blanks (the fields from STATEPOLY on) or
// stay zero.
struct TypeARecord {
    char STATE[3];       // 6-7, the state of the record's file
    char COUNTY[4];      // 8-10, the county of the record's file
    char CENID[6];       // 11-15
    char POLYID[11];     // 16-25
    char FAIR[6];        // 26-30, American Indian area (first part)
    char FMCD[6];        // 31-35, county subdivision
    char FPL[6];         // 36-40, place
    char TRACT[7];       // 41-46 (blanks after a first character become '0')
    char BLOCK[5];       // 47-50, its first character the block group
    char CD106[3];       // 51-52, 106th congressional district
    char CD108[3];       // 53-54
    char SDELM[6];       // 55-59, elementary school district
    char SDSEC[6];       // 65-69, secondary school district
    char SDUNI[6];       // 70-74, unified school district
    char TAZ[7];         // 75-80, traffic analysis zone
    char UA90[6];        // urban area 1990 (4 characters): 81-84 up to 101, 86-89 from 102
    char UR90;           // 85, up to 101; 0 from 102
    char TAZPART[5];     // 86-89, up to 101; empty from 102
    char STATEPOLY[3];   // 90-91, the polygon's state, 97 on
    char COUNTYPOLY[4];  // 92-94, the polygon's county, 97 on
    char AIR[5];         // 95-98, American Indian area (second part), 97 on
    char SDMID[6];       // 60-64, middle school district, 94 and 95
    char PUMA[6];        // 60-64, public use microdata area, 102 on
    char UA00[6];        // 81-85, urban area 2000, 102 on
};

static_assert(sizeof(TypeARecord) == 127, "a type A row is one 127-byte scratch record");
static_assert(offsetof(TypeARecord, CENID) == 7 && offsetof(TypeARecord, POLYID) == 13 &&
                  offsetof(TypeARecord, FAIR) == 24 && offsetof(TypeARecord, TRACT) == 42 &&
                  offsetof(TypeARecord, BLOCK) == 49 && offsetof(TypeARecord, CD106) == 54 &&
                  offsetof(TypeARecord, SDELM) == 60 && offsetof(TypeARecord, SDSEC) == 66 &&
                  offsetof(TypeARecord, TAZ) == 78 && offsetof(TypeARecord, UA90) == 85 &&
                  offsetof(TypeARecord, UR90) == 91 && offsetof(TypeARecord, TAZPART) == 92 &&
                  offsetof(TypeARecord, STATEPOLY) == 97 && offsetof(TypeARecord, COUNTYPOLY) == 100 &&
                  offsetof(TypeARecord, AIR) == 104 && offsetof(TypeARecord, SDMID) == 109 &&
                  offsetof(TypeARecord, PUMA) == 115 && offsetof(TypeARecord, UA00) == 121,
              "type A scratch record layout");

// Polygon geographic entity codes of the current and 2000 geography. The
// fields a release does not carry (and STATE, COUNTY, CDCU and the two
// chamber fields) are filled with blanks before the columns are copied.
struct TypeSRecord {
    char STATE[3];       // 6-7
    char COUNTY[4];      // 8-10
    char CENID[6];       // 11-15
    char POLYID[11];     // 16-25
    int WATER;           // 26
    char MSACMSA[5];     // 27-30
    char PMSA[5];        // 31-34
    char AIANHHFP[6];    // 35-39, American Indian area, 5-character part
    char AIANHH[5];      // 40-43, American Indian area, 4-character part
    char AIHHTLI;        // 44, trust land flag
    char ANRC[3];        // 45-46, up to 99
    char STATECU[3];     // 47-48, the county level's state
    char COUNTYCU[4];    // 49-51
    char CONCIT[6];      // 52-56, consolidated city
    char COUSUB[6];      // 57-61, county subdivision
    char SUBMCD[6];      // 62-66, sub-subdivision
    char PLACE[6];       // 67-71
    char TEA;            // 82, 98 to 100
    char CDCU[3];        // 83-84, current congressional district
    char SLDU[7];        // upper house: 85-87 and three blanks from 98, 85-90 up to 97
    char SLDL[7];        // lower house: 88-90 and three blanks from 98, 91-96 up to 97
    char RS91[6];        // 91-95, 98 and 99
    char STATECOL[3];    // 103-104, collection block state, 98 to 102
    char COUNCOL[4];     // 105-107, 98 to 102
    char BLKCOL[6];      // 108-112, 98 to 102
    char BLKSUFCOL;      // 113, 98 to 102
    char ZCTA[6];        // 114-118, 98 on
    char TRACT00[7];     // 72-77, 98 on (blanks after a first character become '0')
    char BLOCK00[5];     // 78-81, 98 on
    char VTD00[7];       // 97-102, 98 on
    char UGA[6];         // 91-95, 100 on
    char BLKGRP00;       // 96, 100 on
    char RS119;          // 119, 102 on
    char RS120;          // 120, 102 on
    char UA00COR[6];     // 103-107, 103, corrected urban area 2000
    char UA90RED[6];     // 108-112, 103, redefined urban area 1990
    char RS113;          // 113, 103
};

// Geographic entity names, kept in file order. NAME is always 66
// characters.
struct TypeCRecord {
    char STATE[3];     // 6-7
    char COUNTY[4];    // 8-10
    char DATAYR[5];    // 11-14 (before 98: "19" and columns 11-12 when not 0, else blank)
    char FIPS[6];      // 15-19 (before 98: 13-17)
    char FIPSCC[3];    // 20-21 (before 98: blank)
    char PLACEDC;      // 22 (before 98: 20)
    char LSADC[3];     // 23-24 (before 98: 21-22)
    char ENTITY;       // 25 (97: 23; 94 and 95: 0)
    char MA[5];        // 26-29, metropolitan area (97: 24-27; 94 and 95: blank)
    char SD[6];        // 30-34, school district (97: 28-32; 94 and 95: blank)
    char AIR[5];       // 35-38, American Indian area (before 98: 33-36)
    char VTD[7];       // 39-44, voting district or tract (before 98: 37-42)
    char UA[6];        // 45-49, urban area (before 98: 43-46 and a blank)
    char ANRC[3];      // 50-51 in 98 and 99; 23-24 in 94 and 95
    char RS52[4];      // 52-54 in 98 and 99
    char AITSCE[4];    // 50-52, 100 on
    char NAME[67];     // 98 and 99: 55-112 and 8 blanks; 100 on: 53-112 and 6 blanks; before 98: 47-112
    char YEAR[3];      // 11-12, before 98
    char MSACMSA[5];   // 25-28, 94 and 95
    char PMSA[5];      // 29-32, 94 and 95
};

// Link between a line and the polygons on its two sides.
struct TypeIRecord {
    char TLID[11];     // 6-15
    char STATE[3];     // 16-17
    char COUNTY[4];    // 18-20
    char RTLINK;       // 21
    char CENIDL[6];    // 22-26
    char POLYIDL[11];  // 27-36
    char CENIDR[6];    // 37-41
    char POLYIDR[11];  // 42-51
    char RS52;         // 52
    int kglLeft;       // the type 9 row of each side, set by the border step (-1: none)
    int kglRight;
    int landmarkLeft;  // the type 8 row of each side, set by the border step (-1: none)
    int landmarkRight;
};

}  // namespace vornak
