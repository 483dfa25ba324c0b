// The parsers of the record types whose columns are the same in every
// release.
#include "conv1/record_parsers.h"

#include "conv1/field_readers.h"
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "platform/files.h"
#include "tigercore/county_job.h"

#include <cstdio>

namespace vornak {

namespace {

using namespace fields;

// Row 0 of type 1: the county's VERSION (columns 2-5) goes to "date.txt".
void WriteVersion() {
    int version = 0;
    Int<2, 5>(version);
    tigercore::WriteVersionFile(Services(), gOutputPrefix, version);
}

}  // namespace

void ParseType1Line(int row) {
    if (row == 0) WriteVersion();
    Type1Record& r = gType1Records[static_cast<size_t>(row)];
    Number<6, 15>(r.TLID);
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
    Int<103, 103>(r.FRIADDL);
    Int<104, 104>(r.TOIADDL);
    Int<105, 105>(r.FRIADDR);
    Int<106, 106>(r.TOIADDR);
    Text<107, 111>(r.ZIPL);
    Text<112, 116>(r.ZIPR);
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
        // The longitude of point k in 19 + 19k to 28 + 19k, its latitude in
        // 29 + 19k to 37 + 19k.
        tigercore::ScanCoordinate(Column(19 + 19 * k), 10, false, r.points[k].x);
        tigercore::ScanCoordinate(Column(29 + 19 * k), 9, true, r.points[k].y);
    }
}

void ParseType4Line(int row) {
    Type4Record& r = gType4Records[static_cast<size_t>(row)];
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
    Number<7, 14>(r.FEAT);
    Text<15, 16>(r.FEDIRP);
    Text<17, 46>(r.FENAME);
    Text<47, 50>(r.FETYPE);
    Text<51, 52>(r.FEDIRS);
}

void ParseType6Line(int row) {
    Type6Record& r = gType6Records[static_cast<size_t>(row)];
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    Text<19, 29>(r.FRADDL);
    Text<30, 40>(r.TOADDL);
    Text<41, 51>(r.FRADDR);
    Text<52, 62>(r.TOADDR);
    Int<63, 63>(r.FRIADDL);
    Int<64, 64>(r.TOIADDL);
    Int<65, 65>(r.FRIADDR);
    Int<66, 66>(r.TOIADDR);
    Text<67, 71>(r.ZIPL);
    Text<72, 76>(r.ZIPR);
}

void ParseType7Line(int row) {
    Type7Record& r = gType7Records[static_cast<size_t>(row)];
    Int<11, 20>(r.LAND);
    Char<21>(r.SOURCE);
    Text<22, 24>(r.CFCC);
    Text<25, 54>(r.LANAME);
    CoordinateText<55, 64>(r.LALONG, false);
    CoordinateText<65, 73>(r.LALAT, true);
}

void ParseType8Line(int row) {
    Type8Record& r = gType8Records[static_cast<size_t>(row)];
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Int<26, 35>(r.LAND);
}

void ParseType9Line(int row) {
    Type9Record& r = gType9Records[static_cast<size_t>(row)];
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Text<27, 29>(r.CFCC);
    Text<30, 59>(r.KGLNAME);
    Text<60, 70>(r.ADDRESS);
    Text<71, 75>(r.ZIPCODE);
    Text<76, 79>(r.ZIP4);
    Number<80, 87>(r.FEAT);
}

void ParseTypeILine(int row) {
    TypeIRecord& r = gTypeIRecords[static_cast<size_t>(row)];
    Number<6, 15>(r.TLID);
    Text<16, 17>(r.STATE);
    Text<18, 20>(r.COUNTY);
    Char<21>(r.RTLINK);
    Text<22, 26>(r.CENIDL);
    Number<27, 36>(r.POLYIDL);
    Text<37, 41>(r.CENIDR);
    Number<42, 51>(r.POLYIDR);
    Char<52>(r.RS52);
}

void ParseTypeZLine(int row) {
    TypeZRecord& r = gTypeZRecords[static_cast<size_t>(row)];
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    Text<19, 22>(r.ZIP4L);
    Text<23, 26>(r.ZIP4R);
}

}  // namespace vornak
