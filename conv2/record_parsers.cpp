#include "conv2/record_parsers.h"

#include "conv2/job_state.h"
#include "tigercore/county_job.h"
#include "tigercore/record_fields.h"
#include "conv2/record_store.h"
#include "platform/files.h"

#include <cstddef>
#include <cstdio>

namespace vornak2 {

namespace {

// Column c of the record (1-based).
const char* Column(int c) { return tigercore::gLineBuffer + c - 1; }

// Field readers by the record's first and last column; a text field's array
// must have room for exactly its columns and the NUL. The fields taken as
// numbers and coordinates are checked as they are read
// (tigercore::gFieldFault).
template <int First, int Last, size_t N>
void Text(char (&field)[N]) {
    static_assert(First >= 1 && Last <= tigercore::kRecordLineLength && Last - First + 2 == static_cast<int>(N),
                  "text field width");
    tigercore::CopyField(Column(First), Last - First + 1, field);
}

template <int First, int Last = First>
void Char(char& field) {
    tigercore::ScanField(Column(First), Last - First + 1, field);
}

// A key kept as its text (TLID, RTSQ, POLYID, TZID, FEAT): the columns as
// they are, which must hold a number.
template <int First, int Last, size_t N>
void Number(char (&field)[N]) {
    Text<First, Last>(field);
    tigercore::CheckNumberField(Column(First), Last - First + 1);
}

template <int First, int Last>
void Int(int& field) {
    static_assert(Last - First < 9, "an int field holds at most 9 digits");
    tigercore::CheckNumberField(Column(First), Last - First + 1);
    tigercore::ScanField(Column(First), Last - First + 1, field);
}

template <int First, int Last>
void Int(long long& field) {
    tigercore::CheckNumberField(Column(First), Last - First + 1);
    tigercore::ScanField(Column(First), Last - First + 1, field);
}

template <int Column1>
void Digit(unsigned char& field) {
    int value = 0;
    Int<Column1, Column1>(value);
    field = static_cast<unsigned char>(value >= 0 && value <= 9 ? value : 0);
}

// Signed millionths of a degree with an implied decimal point, in degrees.
template <int First, int Last>
void Longitude(double& field) {
    tigercore::ScanCoordinate(Column(First), Last - First + 1, false, field);
}

template <int First, int Last>
void Latitude(double& field) {
    tigercore::ScanCoordinate(Column(First), Last - First + 1, true, field);
}

// A coordinate kept as the text of its columns.
template <int First, int Last, size_t N>
void CoordinateText(char (&field)[N], bool latitude) {
    Text<First, Last>(field);
    tigercore::CheckCoordinateField(Column(First), Last - First + 1, latitude);
}

// An American Indian trust land indicator: kept only when it is T, I or H.
template <int Column1>
void Indicator(char& field) {
    Char<Column1>(field);
    if (field != 'T' && field != 'I' && field != 'H') field = ' ';
}

// Row 0 of type 1: the county's VERSION goes to "date.txt", and the edition
// note to the log.
void WriteVersionAndEditionNote() {
    int version = 0;
    Int<2, 5>(version);
    tigercore::WriteVersionFile(Services(), gOutputPrefix, version);
    WriteLogText("%s", gSecondEdition ? "Second Edition TIGER 2004\n" : "First Edition TIGER 2004\n");
}

bool EditionReads105() { return gEditionCode == 105 || gEditionCode == 106; }

}  // namespace

void ParseType1Line(int row) {
    if (row == 0) WriteVersionAndEditionNote();
    Type1Record& r = gType1Records[static_cast<size_t>(row)];
    Number<6, 15>(r.TLID);
    Digit<16>(r.SIDE1);
    Char<17>(r.SOURCE);
    Text<18, 19>(r.FEDIRP);
    Text<20, 49>(r.FENAME);
    Text<50, 53>(r.FETYPE);
    Text<54, 55>(r.FEDIRS);
    Text<56, 58>(r.CFCC);
    Text<59, 69>(r.FRADDL);
    Text<70, 80>(r.TOADDL);
    Text<81, 91>(r.FRADDR);
    Text<92, 102>(r.TOADDR);
    Digit<103>(r.FRIADDL);
    Digit<104>(r.TOIADDL);
    Digit<105>(r.FRIADDR);
    Digit<106>(r.TOIADDR);
    Text<107, 111>(r.ZIPL);
    Text<112, 116>(r.ZIPR);
    Text<117, 121>(r.AIANHHFPL);
    Text<122, 126>(r.AIANHHFPR);
    Char<127>(r.AIHHTLIL);
    Char<128>(r.AIHHTLIR);
    Char<129>(r.CENSUS1);
    Char<130>(r.CENSUS2);
    Text<131, 132>(r.STATEL);
    Text<133, 134>(r.STATER);
    Text<135, 137>(r.COUNTYL);
    Text<138, 140>(r.COUNTYR);
    Text<141, 145>(r.COUSUBL);
    Text<146, 150>(r.COUSUBR);
    Text<151, 155>(r.SUBMCDL);
    Text<156, 160>(r.SUBMCDR);
    Text<161, 165>(r.PLACEL);
    Text<166, 170>(r.PLACER);
    Text<171, 176>(r.TRACTL);
    Text<177, 182>(r.TRACTR);
    Text<183, 186>(r.BLOCKL);
    Text<187, 190>(r.BLOCKR);
    Longitude<191, 200>(r.FRLONG);
    Latitude<201, 209>(r.FRLAT);
    Longitude<210, 219>(r.TOLONG);
    Latitude<220, 228>(r.TOLAT);
}

void ParseType2Line(int row) {
    Type2Record& r = gType2Records[static_cast<size_t>(row)];
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    for (int k = 0; k < 10; ++k) {
        // LONGk at 19 + 19k (10 columns), LATk at 29 + 19k (9 columns).
        tigercore::ScanCoordinate(Column(19 + 19 * k), 10, false, r.points[k].x);
        tigercore::ScanCoordinate(Column(29 + 19 * k), 9, true, r.points[k].y);
    }
}

void ParseTypeILine(int row) {
    TypeIRecord& r = gTypeIRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Int<6, 10>(r.FILE);
    Number<11, 20>(r.TLID);
    Number<21, 30>(r.TZIDS);
    Number<31, 40>(r.TZIDE);
    Text<41, 45>(r.CENIDL);
    Number<46, 55>(r.POLYIDL);
    Text<56, 60>(r.CENIDR);
    Number<61, 70>(r.POLYIDR);
    Text<71, 80>(r.SOURCE);
    Text<81, 97>(r.FTSEG);
    Text<98, 107>(r.RS_I1);
    Text<108, 117>(r.RS_I2);
    Text<118, 127>(r.RS_I3);
}

void ParseType4Line(int row) {
    Type4Record& r = gType4Records[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    Number<19, 26>(r.FEAT1);
    Number<27, 34>(r.FEAT2);
    Number<35, 42>(r.FEAT3);
    Number<43, 50>(r.FEAT4);
    Number<51, 58>(r.FEAT5);
}

void ParseType5Line(int row) {
    Type5Record& r = gType5Records[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Text<6, 10>(r.FILE);
    Number<11, 18>(r.FEAT);
    Text<19, 20>(r.FEDIRP);
    Text<21, 50>(r.FENAME);
    Text<51, 54>(r.FETYPE);
    Text<55, 56>(r.FEDIRS);
}

void ParseType6Line(int row) {
    Type6Record& r = gType6Records[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    Text<19, 29>(r.FRADDL);
    Text<30, 40>(r.TOADDL);
    Text<41, 51>(r.FRADDR);
    Text<52, 62>(r.TOADDR);
    Digit<63>(r.FRIADDL);
    Digit<64>(r.TOIADDL);
    Digit<65>(r.FRIADDR);
    Digit<66>(r.TOIADDR);
    Text<67, 71>(r.ZIPL);
    Text<72, 76>(r.ZIPR);
}

void ParseTypeTLine(int row) {
    TypeTRecord& r = gTypeTRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Int<6, 10>(r.FILE);
    Number<11, 20>(r.TZID);
    Text<21, 30>(r.SOURCE);
    Text<31, 47>(r.FTRP);
}

void ParseTypeULine(int row) {
    TypeURecord& r = gTypeURecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Int<6, 10>(r.FILE);
    Number<11, 20>(r.TZID);
    Int<21, 21>(r.RTSQ);
    Number<22, 31>(r.TLIDOV1);
    Number<32, 41>(r.TLIDOV2);
    Number<42, 51>(r.TLIDUN1);
    Number<52, 61>(r.TLIDUN2);
    Longitude<62, 71>(r.FRLONG);
    Latitude<72, 80>(r.FRLAT);
}

void ParseTypeZLine(int row) {
    TypeZRecord& r = gTypeZRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    Text<19, 22>(r.ZIP4L);
    Text<23, 26>(r.ZIP4R);
}

void ParseTypeCLine(int row) {
    TypeCRecord& r = gTypeCRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Text<6, 7>(r.STATE);
    Text<8, 10>(r.COUNTY);
    Text<11, 14>(r.DATAYR);
    Text<15, 19>(r.FIPS);
    Text<20, 21>(r.FIPSCC);
    Char<22>(r.PLACEDC);
    Text<23, 24>(r.LSADC);
    Char<25>(r.ENTITY);
    Text<26, 29>(r.MA);
    Text<30, 34>(r.SD);
    Text<35, 38>(r.AIANHH);
    Text<39, 44>(r.VTDTRACT);
    Text<45, 49>(r.UAUGA);
    Text<50, 52>(r.AITSCE);
    Text<63, 122>(r.NAME);
    if (EditionReads105()) {
        Text<53, 55>(r.CSACNECTA);
        Text<56, 60>(r.CBSANECTA);
        Int<61, 61>(r.COMMREG);
    }
}

void ParseTypeALine(int row) {
    TypeARecord& r = gTypeARecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Int<6, 10>(r.FILE);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Text<26, 27>(r.STATECU);
    Text<28, 30>(r.COUNTYCU);
    Text<31, 36>(r.TRACTCU);
    Text<37, 40>(r.BLOCKCU);
    Char<41>(r.BLOCKSUFCU);
    Char<42>(r.RS_A1);
    Text<43, 47>(r.AIANHHFPCU);
    Text<48, 51>(r.AIANHHCU);
    Indicator<52>(r.AIHHTLICU);
    Text<53, 57>(r.ANRCCU);
    Text<58, 60>(r.AITSCECU);
    Text<61, 65>(r.AITSCU);
    Text<66, 70>(r.CONCITCU);
    Text<71, 75>(r.COUSUBCU);
    Text<76, 80>(r.SUBMCDCU);
    Text<81, 85>(r.PLACECU);
    Text<86, 90>(r.SDELMCU);
    Text<91, 95>(r.SDSECCU);
    Text<96, 100>(r.SDUNICU);
    if (gEditionCode == 104) {
        Text<101, 104>(r.MSACMASCU);
        Text<105, 108>(r.PMSACU);
        Text<109, 112>(r.NECMACU);
    }
    Text<113, 114>(r.CDCU);
    if (EditionReads105()) {
        Text<115, 119>(r.ZCTA5CU);
        Text<120, 122>(r.ZCTA3CU);
    }
    if (gEditionCode == 106) {
        Text<129, 131>(r.SLDUCU);
        Text<132, 134>(r.SLDLCU);
    }
    if (EditionReads105()) {
        Text<152, 156>(r.CBSACU);
        Text<157, 159>(r.CSACU);
        Text<160, 164>(r.NECTACU);
        Text<165, 167>(r.CNECTACU);
        Text<168, 172>(r.METDIVCU);
        Text<173, 177>(r.NECTADIVCU);
    }
    if (gEditionCode == 106) {
        Text<182, 186>(r.UACU);
        Char<187>(r.URCU);
    }
}

void ParseTypeSLine(int row) {
    TypeSRecord& r = gTypeSRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Int<6, 10>(r.FILE);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Text<26, 27>(r.STATE00);
    Text<28, 30>(r.COUNTY00);
    Text<31, 36>(r.TRACT00);
    Text<37, 40>(r.BLOCK00);
    Char<41>(r.BLKGRP00);
    Text<42, 46>(r.AIANHHFP00);
    Text<47, 50>(r.AIANHH00);
    Indicator<51>(r.AIHHTLI00);
    Text<52, 56>(r.ANRC00);
    Text<57, 59>(r.AITSCE00);
    Text<60, 64>(r.AITS00);
    Text<65, 69>(r.CONCIT00);
    Text<70, 74>(r.COUSUB00);
    Text<75, 79>(r.SUBMCD00);
    Text<80, 84>(r.PLACE00);
    Text<85, 89>(r.SDELM00);
    Text<90, 94>(r.SDSEC00);
    Text<95, 99>(r.SDUNI00);
    Text<100, 103>(r.MSACMAS00);
    Text<104, 107>(r.PMSA00);
    Text<108, 111>(r.NECMA00);
    Text<112, 113>(r.CD106);
    Text<114, 115>(r.CD108);
    Text<116, 120>(r.PUMA5);
    Text<121, 125>(r.PUMA1);
    Text<126, 130>(r.ZCTA00);
    Text<131, 133>(r.ZCTA300);
    Text<134, 139>(r.TAZ);
    Text<140, 145>(r.TAZCOMB);
    Text<146, 150>(r.UA);
    Char<151>(r.UR);
    Text<152, 157>(r.VTD);
    Text<158, 160>(r.SLDU);
    Text<161, 163>(r.SLDL);
    Text<164, 168>(r.UGA);
}

void ParseTypePLine(int row) {
    TypePRecord& r = gTypePRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Int<6, 10>(r.FILE);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Longitude<26, 35>(r.POLYLONG);
    Latitude<36, 44>(r.POLYLAT);
    Int<45, 45>(r.WATER);
}

void ParseTypeBLine(int row) {
    TypeBRecord& r = gTypeBRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Int<6, 10>(r.FILE);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Text<26, 27>(r.STATECQ);
    Text<28, 30>(r.COUNTYCQ);
    Text<31, 36>(r.TRACTCQ);
    Text<37, 41>(r.BLOCKCQ);
    Text<42, 46>(r.AIANHHFPCQ);
    Text<47, 50>(r.AIANHHCQ);
    Indicator<51>(r.AIHHTLICQ);
    Text<52, 56>(r.ANRCCQ);
    Text<57, 59>(r.AITSCECQ);
    Text<60, 64>(r.AITSCQ);
    Text<65, 69>(r.CONCITCQ);
    Text<70, 74>(r.COUSUBCQ);
    Text<75, 79>(r.SUBMCDCQ);
    Text<80, 84>(r.PLACECQ);
    Text<85, 89>(r.UACC);
    Char<90>(r.URCC);
}

void ParseType7Line(int row) {
    Type7Record& r = gType7Records[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Char<6, 10>(r.FILE);
    Int<11, 20>(r.LAND);
    Char<21>(r.SOURCE);
    Text<22, 24>(r.CFCC);
    Text<25, 54>(r.LANAME);
    CoordinateText<55, 64>(r.LALONG, false);
    CoordinateText<65, 73>(r.LALAT, true);
}

void ParseType8Line(int row) {
    Type8Record& r = gType8Records[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Char<6, 10>(r.FILE);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Int<26, 35>(r.LAND);
}

void ParseTypeELine(int row) {
    TypeERecord& r = gTypeERecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Int<6, 10>(r.FILE);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Text<26, 27>(r.STATEEC);
    Text<28, 30>(r.COUNTYEC);
    Text<41, 45>(r.PLACEEC);
    Int<56, 56>(r.COMREGEC);
}

void ParseTypeMLine(int row) {
    TypeMRecord& r = gTypeMRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    Text<19, 28>(r.SOURCEID);
    Text<29, 46>(r.ID);
    Char<47>(r.IDFLAG);
}

}  // namespace vornak2
