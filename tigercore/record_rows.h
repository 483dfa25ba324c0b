// The rows of the record types whose fields are the same in the files of
// both families (1994-2000 and 2002-2006), and their parsers; the columns
// are the same too, but for type 5. Fields keep their TIGER/Line names and
// the order of the record; text fields hold exactly the record's characters
// (blanks kept) followed by a NUL, so a field of width n is char[n + 1].
// Coordinates are doubles in degrees.
//
// The 1994-2000 parsers read only the fields the older layers use: the
// record's head (RT, VERSION, FILE) and the type 1 fields marked "2002 on"
// stay zero there, and their columns are neither read nor checked.
//
// Stored forms used below (see field_readers.h):
//   text n  char[n + 1], the columns as they are
//   char    one character; a blank column is stored as '0'
//   digit   one column read as a number, 0 to 9 (blank or anything else: 0)
//   int     a signed number; 10-digit numbers are kept in long long
//   degrees the signed millionths of the columns times 0.000001
#pragma once

#include "shapeio/geometry.h"

#include <vector>

namespace tigercore {

// The family of editions whose columns a parser reads.
enum class RecordFamily { k1994To2000, k2002To2006 };

// The rows, named in each library's namespace by a using-directive.
inline namespace rows {

// Complete chain basic data: one row per line feature.
struct Type1Record {
    char TLID[11];          // 6-15
    unsigned char SIDE1;    // 16, digit, 2002 on
    char SOURCE;            // 17
    char FEDIRP[3];         // 18-19
    char FENAME[31];        // 20-49
    char FETYPE[5];         // 50-53
    char FEDIRS[3];         // 54-55
    char CFCC[4];           // 56-58
    char FRADDL[12];        // 59-69
    char TOADDL[12];        // 70-80
    char FRADDR[12];        // 81-91
    char TOADDR[12];        // 92-102
    unsigned char FRIADDL;  // 103, digit
    unsigned char TOIADDL;  // 104, digit
    unsigned char FRIADDR;  // 105, digit
    unsigned char TOIADDR;  // 106, digit
    char ZIPL[6];           // 107-111
    char ZIPR[6];           // 112-116
    char AIANHHFPL[6];      // 117-121, 2002 on
    char AIANHHFPR[6];      // 122-126, 2002 on
    char AIHHTLIL;          // 127, 2002 on
    char AIHHTLIR;          // 128, 2002 on
    char CENSUS1;           // 129
    char CENSUS2;           // 130
    char STATEL[3];         // 131-132
    char STATER[3];         // 133-134
    char COUNTYL[4];        // 135-137
    char COUNTYR[4];        // 138-140
    char COUSUBL[6];        // 141-145
    char COUSUBR[6];        // 146-150
    char SUBMCDL[6];        // 151-155
    char SUBMCDR[6];        // 156-160
    char PLACEL[6];         // 161-165
    char PLACER[6];         // 166-170
    char TRACTL[7];         // 171-176
    char TRACTR[7];         // 177-182
    char BLOCKL[5];         // 183-186
    char BLOCKR[5];         // 187-190
    // The line's end points: blank columns, or a latitude of zero, are a
    // damaged record.
    double FRLONG;          // 191-200
    double FRLAT;           // 201-209
    double TOLONG;          // 210-219
    double TOLAT;           // 220-228
    char lineClass;         // A, B, C, D, E, F, G, H or X, set by the reader
};

// Shape points: up to ten points of one line per row; a point whose
// longitude is 0.0 ends the row's list.
struct Type2Record {
    char TLID[11];                // 6-15
    char RTSQ[4];                 // 16-18
    shapeio::PointXY points[10];  // point k: longitude 19 + 19k (10), latitude 29 + 19k (9)
};

// Index to alternate feature identifiers of a line.
struct Type4Record {
    char RT;        // 1, 2002 on
    int VERSION;    // 2-5, 2002 on
    char TLID[11];  // 6-15
    char RTSQ[4];   // 16-18
    char FEAT1[9];  // 19-26
    char FEAT2[9];  // 27-34
    char FEAT3[9];  // 35-42
    char FEAT4[9];  // 43-50
    char FEAT5[9];  // 51-58
};

// Feature names, by feature identifier. The columns from FEAT on lie four
// further right in the 2002-2006 files, whose records carry VERSION.
struct Type5Record {
    char RT;          // 1, 2002 on
    int VERSION;      // 2-5, 2002 on
    char FILE[6];     // 6-10, 2002 on
    char FEAT[9];     // 11-18 (1994-2000: 7-14)
    char FEDIRP[3];   // 19-20 (15-16)
    char FENAME[31];  // 21-50 (17-46)
    char FETYPE[5];   // 51-54 (47-50)
    char FEDIRS[3];   // 55-56 (51-52)
};

// Additional address ranges and ZIP codes of a line.
struct Type6Record {
    char RT;                // 1, 2002 on
    int VERSION;            // 2-5, 2002 on
    char TLID[11];          // 6-15
    char RTSQ[4];           // 16-18
    char FRADDL[12];        // 19-29
    char TOADDL[12];        // 30-40
    char FRADDR[12];        // 41-51
    char TOADDR[12];        // 52-62
    unsigned char FRIADDL;  // 63, digit
    unsigned char TOIADDL;  // 64, digit
    unsigned char FRIADDR;  // 65, digit
    unsigned char TOIADDR;  // 66, digit
    char ZIPL[6];           // 67-71
    char ZIPR[6];           // 72-76
};

// Landmark features. The coordinates stay the text of the file.
struct Type7Record {
    char RT;          // 1, 2002 on
    int VERSION;      // 2-5, 2002 on
    char FILE;        // first character of 6-10, 2002 on
    long long LAND;   // 11-20
    char SOURCE;      // 21
    char CFCC[4];     // 22-24
    char LANAME[31];  // 25-54
    char LALONG[11];  // 55-64
    char LALAT[10];   // 65-73
};

// Polygons linked to area landmarks.
struct Type8Record {
    char RT;          // 1, 2002 on
    int VERSION;      // 2-5, 2002 on
    char FILE;        // first character of 6-10, 2002 on
    char CENID[6];    // 11-15
    char POLYID[11];  // 16-25
    long long LAND;   // 26-35
};

// ZIP+4 codes of a line.
struct TypeZRecord {
    char RT;        // 1, 2002 on
    int VERSION;    // 2-5, 2002 on
    char TLID[11];  // 6-15
    char RTSQ[4];   // 16-18
    char ZIP4L[5];  // 19-22
    char ZIP4R[5];  // 23-26
};

}  // namespace rows

// The VERSION of the record line in gLineBuffer (columns 2-5, in the files
// of both families): row 0 of type 1 gives the county's "date.txt".
int ParseVersion();

// Each fills `row` from the record line in gLineBuffer with the columns of
// `family`.
void ParseType1(Type1Record& row, RecordFamily family);
void ParseType2(Type2Record& row);
void ParseType4(Type4Record& row, RecordFamily family);
void ParseType5(Type5Record& row, RecordFamily family);
void ParseType6(Type6Record& row, RecordFamily family);
void ParseType7(Type7Record& row, RecordFamily family);
void ParseType8(Type8Record& row, RecordFamily family);
void ParseTypeZ(TypeZRecord& row, RecordFamily family);

// The fields of a library's type C row that take the entity codes of
// columns 6-49: the same columns in the files of both families (the
// 1994-2000 files from release 98 on). Each library names the American
// Indian area, the voting district or tract and the urban area code its own
// way; its other columns are its own.
struct TypeCEntityFields {
    char (&STATE)[3];     // 6-7
    char (&COUNTY)[4];    // 8-10
    char (&DATAYR)[5];    // 11-14
    char (&FIPS)[6];      // 15-19
    char (&FIPSCC)[3];    // 20-21
    char& PLACEDC;        // 22
    char (&LSADC)[3];     // 23-24
    char& ENTITY;         // 25
    char (&MA)[5];        // 26-29
    char (&SD)[6];        // 30-34
    char (&AIANHH)[5];    // 35-38
    char (&VTDTRACT)[7];  // 39-44
    char (&UAUGA)[6];     // 45-49
};

// Fills `row`'s fields from columns 6-49 of the type C record line in
// gLineBuffer.
void ParseTypeCEntity(const TypeCEntityFields& row);

// The first row in table order of the landmark `land` in a type 7 table
// sorted by LAND (the first `count` rows), or -1.
int FindLandRow(const std::vector<Type7Record>& rows, int count, long long land);

// Appends the water landmarks of a type 7 table (the first `count` rows,
// those whose CFCC is of class H) to `water`, in table order.
void AppendWaterLandmarks(const std::vector<Type7Record>& rows, int count, std::vector<Type7Record>& water);

}  // namespace tigercore
