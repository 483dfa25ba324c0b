// The rows of the county's record tables, one type per TIGER/Line record
// type of the 2002-2006 editions. Fields keep their TIGER/Line names and the
// order of the record; text fields hold exactly the record's characters
// (blanks kept) followed by a NUL, so a field of width n is char[n + 1].
// Coordinates are doubles in degrees. Fields that a parser does not read for
// the county's edition stay zero (empty text, 0, 0.0).
//
// Stored forms used below (see record_fields.h):
//   text n  char[n + 1], the columns as they are
//   char    one character; a blank column is stored as '0'
//   digit   one column read as a number, 0 to 9 (blank or anything else: 0)
//   int     a signed number; 10-digit numbers are kept in long long
//   degrees the signed millionths of the columns times 0.000001
#pragma once

#include "shapeio/geometry.h"
#include "tigercore/record_rows.h"

#include <cstddef>

namespace vornak2 {

// The rows both families share (types 1, 2, 4, 5, 6, 7, 8 and Z).
using namespace tigercore::rows;

// Link between complete chains and polygons (.rti): one row per line.
struct TypeIRecord {
    char RT;              // 1
    int VERSION;          // 2-5
    int FILE;             // 6-10
    char TLID[11];        // 11-20
    char TZIDS[11];       // 21-30
    char TZIDE[11];       // 31-40
    char CENIDL[6];       // 41-45
    char POLYIDL[11];     // 46-55
    char CENIDR[6];       // 56-60
    char POLYIDR[11];     // 61-70
    char SOURCE[11];      // 71-80
    char FTSEG[18];       // 81-97
    char RS_I1[11];       // 98-107
    char RS_I2[11];       // 108-117
    char RS_I3[11];       // 118-127
    int leftLandmarkRow;  // set by the landmark side step, 0 after reading
    int rightLandmarkRow;
};

// Zero-cell identifiers (.rtt).
struct TypeTRecord {
    char RT;          // 1
    int VERSION;      // 2-5
    int FILE;         // 6-10
    char TZID[11];    // 11-20
    char SOURCE[11];  // 21-30
    char FTRP[18];    // 31-47
};

// Overpass and underpass identification (.rtu).
struct TypeURecord {
    char RT;           // 1
    int VERSION;       // 2-5
    int FILE;          // 6-10
    char TZID[11];     // 11-20
    int RTSQ;          // 21
    char TLIDOV1[11];  // 22-31
    char TLIDOV2[11];  // 32-41
    char TLIDUN1[11];  // 42-51
    char TLIDUN2[11];  // 52-61
    double FRLONG;     // 62-71
    double FRLAT;      // 72-80
};

// Geographic entity names (.rtc), kept in file order.
struct TypeCRecord {
    char RT;              // 1
    int VERSION;          // 2-5
    char STATE[3];        // 6-7
    char COUNTY[4];       // 8-10
    char DATAYR[5];       // 11-14
    char FIPS[6];         // 15-19
    char FIPSCC[3];       // 20-21
    char PLACEDC;         // 22
    char LSADC[3];        // 23-24
    char ENTITY;          // 25
    char MA[5];           // 26-29
    char SD[6];           // 30-34
    char AIANHH[5];       // 35-38
    char VTDTRACT[7];     // 39-44
    char UAUGA[6];        // 45-49
    char AITSCE[4];       // 50-52
    char NAME[61];        // 63-122
    char CSACNECTA[4];    // 53-55, editions 105 and 106
    char CBSANECTA[6];    // 56-60, editions 105 and 106
    int COMMREG;          // 61, editions 105 and 106
};

// Polygon geographic entity codes, current geography (.rta). The row has
// one 256-byte layout in every edition: the polygon stage writes the table
// to a scratch file and reads single rows back by row number.
struct TypeARecord {
    char RT;                 // 1
    int VERSION;             // 2-5
    int FILE;                // 6-10
    char CENID[6];           // 11-15
    char POLYID[11];         // 16-25
    char STATECU[3];         // 26-27
    char COUNTYCU[4];        // 28-30
    char TRACTCU[7];         // 31-36
    char BLOCKCU[5];         // 37-40
    char BLOCKSUFCU;         // 41
    char RS_A1;              // 42
    char AIANHHFPCU[6];      // 43-47
    char AIANHHCU[5];        // 48-51
    char AIHHTLICU;          // 52, 'T', 'I' or 'H', else a blank
    char ANRCCU[6];          // 53-57
    char AITSCECU[4];        // 58-60
    char AITSCU[6];          // 61-65
    char CONCITCU[6];        // 66-70
    char COUSUBCU[6];        // 71-75
    char SUBMCDCU[6];        // 76-80
    char PLACECU[6];         // 81-85
    char SDELMCU[6];         // 86-90
    char SDSECCU[6];         // 91-95
    char SDUNICU[6];         // 96-100
    char MSACMASCU[5];       // 101-104, edition 104
    char PMSACU[5];          // 105-108, edition 104
    char NECMACU[5];         // 109-112, edition 104
    char CDCU[3];            // 113-114
    char ZCTA5CU[6];         // 115-119, editions 105 and 106
    char ZCTA3CU[4];         // 120-122, editions 105 and 106
    char unreadColumns1[7];  // filler: columns 123-128 are not read
    char SLDUCU[4];          // 129-131, edition 106
    char SLDLCU[4];          // 132-134, edition 106
    char unreadColumns2[53]; // filler: columns 135-151 are not read
    char CBSACU[6];          // 152-156, editions 105 and 106
    char CSACU[4];           // 157-159, editions 105 and 106
    char NECTACU[6];         // 160-164, editions 105 and 106
    char CNECTACU[4];        // 165-167, editions 105 and 106
    char METDIVCU[6];        // 168-172, editions 105 and 106
    char NECTADIVCU[6];      // 173-177, editions 105 and 106
    char UACU[6];            // 182-186, edition 106
    char URCU;               // 187, edition 106
};

static_assert(sizeof(TypeARecord) == 256, "a type A row is one 256-byte scratch record");
static_assert(offsetof(TypeARecord, VERSION) == 4 && offsetof(TypeARecord, CENID) == 12 &&
                  offsetof(TypeARecord, POLYID) == 18 && offsetof(TypeARecord, STATECU) == 29 &&
                  offsetof(TypeARecord, BLOCKSUFCU) == 48 && offsetof(TypeARecord, AIHHTLICU) == 61 &&
                  offsetof(TypeARecord, SDUNICU) == 114 && offsetof(TypeARecord, CDCU) == 135 &&
                  offsetof(TypeARecord, ZCTA3CU) == 144 && offsetof(TypeARecord, SLDUCU) == 155 &&
                  offsetof(TypeARecord, SLDLCU) == 159 && offsetof(TypeARecord, CBSACU) == 216 &&
                  offsetof(TypeARecord, NECTADIVCU) == 242 && offsetof(TypeARecord, UACU) == 248 &&
                  offsetof(TypeARecord, URCU) == 254,
              "type A scratch record layout");

// Polygon geographic entity codes, Census 2000 geography (.rts).
struct TypeSRecord {
    char RT;               // 1
    int VERSION;           // 2-5
    int FILE;              // 6-10
    char CENID[6];         // 11-15
    char POLYID[11];       // 16-25
    char STATE00[3];       // 26-27
    char COUNTY00[4];      // 28-30
    char TRACT00[7];       // 31-36
    char BLOCK00[5];       // 37-40
    char BLKGRP00;         // 41
    char AIANHHFP00[6];    // 42-46
    char AIANHH00[5];      // 47-50
    char AIHHTLI00;        // 51, 'T', 'I' or 'H', else a blank
    char ANRC00[6];        // 52-56
    char AITSCE00[4];      // 57-59
    char AITS00[6];        // 60-64
    char CONCIT00[6];      // 65-69
    char COUSUB00[6];      // 70-74
    char SUBMCD00[6];      // 75-79
    char PLACE00[6];       // 80-84
    char SDELM00[6];       // 85-89
    char SDSEC00[6];       // 90-94
    char SDUNI00[6];       // 95-99
    char MSACMAS00[5];     // 100-103
    char PMSA00[5];        // 104-107
    char NECMA00[5];       // 108-111
    char CD106[3];         // 112-113
    char CD108[3];         // 114-115
    char PUMA5[6];         // 116-120
    char PUMA1[6];         // 121-125
    char ZCTA00[6];        // 126-130
    char ZCTA300[4];       // 131-133
    char TAZ[7];           // 134-139
    char TAZCOMB[7];       // 140-145
    char UA[6];            // 146-150
    char UR;               // 151
    char VTD[7];           // 152-157
    char SLDU[4];          // 158-160
    char SLDL[4];          // 161-163
    char UGA[6];           // 164-168
};

// Polygon location (.rtp).
struct TypePRecord {
    char RT;           // 1
    int VERSION;       // 2-5
    int FILE;          // 6-10
    char CENID[6];     // 11-15
    char POLYID[11];   // 16-25
    double POLYLONG;   // 26-35
    double POLYLAT;    // 36-44
    int WATER;         // 45
};

// Polygon geographic entity codes, corrections (.rtb).
struct TypeBRecord {
    char RT;              // 1
    int VERSION;          // 2-5
    int FILE;             // 6-10
    char CENID[6];        // 11-15
    char POLYID[11];      // 16-25
    char STATECQ[3];      // 26-27
    char COUNTYCQ[4];     // 28-30
    char TRACTCQ[7];      // 31-36
    char BLOCKCQ[6];      // 37-41
    char AIANHHFPCQ[6];   // 42-46
    char AIANHHCQ[5];     // 47-50
    char AIHHTLICQ;       // 51, 'T', 'I' or 'H', else a blank
    char ANRCCQ[6];       // 52-56
    char AITSCECQ[4];     // 57-59
    char AITSCQ[6];       // 60-64
    char CONCITCQ[6];     // 65-69
    char COUSUBCQ[6];     // 70-74
    char SUBMCDCQ[6];     // 75-79
    char PLACECQ[6];      // 80-84
    char UACC[6];         // 85-89
    char URCC;            // 90
};

// Polygon geographic entity codes, economic census (.rte).
struct TypeERecord {
    char RT;            // 1
    int VERSION;        // 2-5
    int FILE;           // 6-10
    char CENID[6];      // 11-15
    char POLYID[11];    // 16-25
    char STATEEC[3];    // 26-27
    char COUNTYEC[4];   // 28-30
    char PLACEEC[6];    // 41-45
    int COMREGEC;       // 56
};

// Feature spatial metadata (.rtm).
struct TypeMRecord {
    char RT;            // 1
    int VERSION;        // 2-5
    char TLID[11];      // 6-15
    char RTSQ[4];       // 16-18
    char SOURCEID[11];  // 19-28
    char ID[19];        // 29-46
    char IDFLAG;        // 47
};

}  // namespace vornak2
