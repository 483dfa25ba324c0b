#include "tigercore/record_rows.h"

#include "tigercore/field_readers.h"
#include "tigercore/halving_search.h"

namespace tigercore {

namespace {

using namespace fields;

bool Reads2002(RecordFamily family) { return family == RecordFamily::k2002To2006; }

// The record type and version that open a record of the 2002-2006 files.
template <typename Row>
void ReadHead(Row& r, RecordFamily family) {
    if (!Reads2002(family)) return;
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
}

// The fields of a type 5 record from FEAT on, `Shift` columns right of
// where the 1994-2000 files have them.
template <int Shift>
void ReadFeatureName(Type5Record& r) {
    Number<7 + Shift, 14 + Shift>(r.FEAT);
    Text<15 + Shift, 16 + Shift>(r.FEDIRP);
    Text<17 + Shift, 46 + Shift>(r.FENAME);
    Text<47 + Shift, 50 + Shift>(r.FETYPE);
    Text<51 + Shift, 52 + Shift>(r.FEDIRS);
}

}  // namespace

int ParseVersion() {
    int version = 0;
    Int<2, 5>(version);
    return version;
}

void ParseType1(Type1Record& r, RecordFamily family) {
    Number<6, 15>(r.TLID);
    if (Reads2002(family)) Digit<16>(r.SIDE1);
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
    if (Reads2002(family)) {
        Text<117, 121>(r.AIANHHFPL);
        Text<122, 126>(r.AIANHHFPR);
        Char<127>(r.AIHHTLIL);
        Char<128>(r.AIHHTLIR);
    }
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
    EndLongitude<191, 200>(r.FRLONG);
    EndLatitude<201, 209>(r.FRLAT);
    EndLongitude<210, 219>(r.TOLONG);
    EndLatitude<220, 228>(r.TOLAT);
}

void ParseType2(Type2Record& r) {
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    int ending = -1;  // the slot that ends the row; the slots up to it are read
    for (int k = 0; k < 10; ++k) {
        // The longitude of point k in 19 + 19k to 28 + 19k, its latitude in
        // 29 + 19k to 37 + 19k.
        ScanCoordinate(Column(19 + 19 * k), 10, false, r.points[k].x);
        ScanCoordinate(Column(29 + 19 * k), 9, true, r.points[k].y);
        if (ending >= 0) {
            CheckSlotAfterRowEnd(Column(19 + 19 * k), 19, 10, Column(19 + 19 * ending));
        } else if (!CheckShapePoint(Column(19 + 19 * k), 10, Column(29 + 19 * k), 9, r.points[k].x, r.points[k].y)) {
            ending = k;
        }
    }
}

void ParseType4(Type4Record& r, RecordFamily family) {
    ReadHead(r, family);
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    Number<19, 26>(r.FEAT1);
    Number<27, 34>(r.FEAT2);
    Number<35, 42>(r.FEAT3);
    Number<43, 50>(r.FEAT4);
    Number<51, 58>(r.FEAT5);
}

void ParseType5(Type5Record& r, RecordFamily family) {
    if (Reads2002(family)) {
        ReadHead(r, family);
        Text<6, 10>(r.FILE);
        ReadFeatureName<4>(r);
    } else {
        ReadFeatureName<0>(r);
    }
}

void ParseType6(Type6Record& r, RecordFamily family) {
    ReadHead(r, family);
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

void ParseType7(Type7Record& r, RecordFamily family) {
    ReadHead(r, family);
    if (Reads2002(family)) Char<6, 10>(r.FILE);
    Int<11, 20>(r.LAND);
    Char<21>(r.SOURCE);
    Text<22, 24>(r.CFCC);
    Text<25, 54>(r.LANAME);
    CoordinateText<55, 64>(r.LALONG, false);
    CoordinateText<65, 73>(r.LALAT, true);
}

void ParseType8(Type8Record& r, RecordFamily family) {
    ReadHead(r, family);
    if (Reads2002(family)) Char<6, 10>(r.FILE);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Int<26, 35>(r.LAND);
}

void ParseTypeZ(TypeZRecord& r, RecordFamily family) {
    ReadHead(r, family);
    Number<6, 15>(r.TLID);
    Number<16, 18>(r.RTSQ);
    Text<19, 22>(r.ZIP4L);
    Text<23, 26>(r.ZIP4R);
}

void ParseTypeCEntity(const TypeCEntityFields& r) {
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
}

int FindLandRow(const std::vector<Type7Record>& rows, int count, long long land) {
    return FindByHalving(
        rows, count, [land](const Type7Record& row) { return row.LAND < land ? -1 : (row.LAND > land ? 1 : 0); },
        true);
}

void AppendWaterLandmarks(const std::vector<Type7Record>& rows, int count, std::vector<Type7Record>& water) {
    for (int i = 0; i < count && i < static_cast<int>(rows.size()); ++i) {
        if (rows[static_cast<size_t>(i)].CFCC[0] == 'H') water.push_back(rows[static_cast<size_t>(i)]);
    }
}

}  // namespace tigercore
