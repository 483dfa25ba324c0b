// The parsers of the record types whose columns change from release to
// release: type 3 (census codes of a line's sides), type A (polygon codes of
// the 1990 geography), type S (polygon codes of the current and 2000
// geography) and type C (entity names). Each type is a blank fill and a
// table of column groups by release range.
#include "tigercore/field_readers.h"
#include "conv1/record_parsers.h"
#include "conv1/record_store.h"
#include "conv1/release_layout.h"

#include <cstdio>
#include <cstdlib>

namespace vornak {

namespace {

using namespace tigercore::fields;

constexpr int kFirstRelease = 94;
constexpr int kLastRelease = 103;

// --- Type 3 ---------------------------------------------------------------

void Type3Blanks(Type3Record& r) {
    Blanks(r.TLID);
    Blanks(r.STATE90L);
    Blanks(r.STATE90R);
    Blanks(r.COUN90L);
    Blanks(r.COUN90R);
    Blanks(r.VTDL);
    Blanks(r.VTDR);
    Blanks(r.TRUST90L);
    Blanks(r.TRUST90R);
    Blanks(r.AIRL);
    Blanks(r.AIRR);
    Blanks(r.ANRCL);
    Blanks(r.ANRCR);
    Blanks(r.AITSCEL);
    Blanks(r.AITSCER);
    Blanks(r.AITSL);
    Blanks(r.AITSR);
}

void Type3Line(Type3Record& r) {
    Number<6, 15>(r.TLID);
    Text<16, 17>(r.STATE90L);
    Text<18, 19>(r.STATE90R);
    Text<20, 22>(r.COUN90L);
    Text<23, 25>(r.COUN90R);
}

// From release 100 on these columns are the tails of the tribal areas.
void Type3VotingDistricts(Type3Record& r) {
    Text<104, 107>(r.VTDL);
    Text<108, 111>(r.VTDR);
    if (r.VTDR[3] == '\0') r.VTDR[3] = ' ';
}

void Type3TribalAreas(Type3Record& r) {
    Char<66>(r.TRUST90L);
    Char<67>(r.TRUST90R);
    Text<78, 81>(r.AIRL);
    Text<82, 85>(r.AIRR);
    Text<86, 90>(r.ANRCL);
    Text<91, 95>(r.ANRCR);
    Text<96, 98>(r.AITSCEL);
    Text<99, 101>(r.AITSCER);
    Text<102, 106>(r.AITSL);
    Text<107, 111>(r.AITSR);
}

// Release 99 carries no voting districts.
constexpr ColumnGroup<Type3Record> kType3Columns[] = {
    {kFirstRelease, kLastRelease, Type3Line},
    {kFirstRelease, 98, Type3VotingDistricts},
    {100, kLastRelease, Type3VotingDistricts},
    {100, kLastRelease, Type3TribalAreas},
};

// --- Type A ---------------------------------------------------------------

void TypeABlanks(TypeARecord& r) {
    Blanks(r.STATEPOLY);
    Blanks(r.COUNTYPOLY);
    Blanks(r.AIR);
    Blanks(r.SDMID);
    Blanks(r.PUMA);
    Blanks(r.UA00);
}

void TypeAPolygon(TypeARecord& r) {
    Text<6, 7>(r.STATE);
    Text<8, 10>(r.COUNTY);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Text<26, 30>(r.FAIR);
    Text<31, 35>(r.FMCD);
    Text<36, 40>(r.FPL);
    Tract<41, 46>(r.TRACT);
    Text<47, 50>(r.BLOCK);
    Text<51, 52>(r.CD106);
    Text<53, 54>(r.CD108);
    Text<55, 59>(r.SDELM);
    Text<65, 69>(r.SDSEC);
    Text<70, 74>(r.SDUNI);
    Text<75, 80>(r.TAZ);
}

void TypeAUrbanArea1990(TypeARecord& r) {
    Text<81, 84, 1>(r.UA90);
    Char<85>(r.UR90);
    Text<86, 89>(r.TAZPART);
}

void TypeAPolygonCounty(TypeARecord& r) {
    Text<90, 91>(r.STATEPOLY);
    Text<92, 94>(r.COUNTYPOLY);
    Text<95, 98>(r.AIR);
}

void TypeAMiddleSchoolDistrict(TypeARecord& r) { Text<60, 64>(r.SDMID); }

void TypeAUrbanAreas2000(TypeARecord& r) {
    Text<60, 64>(r.PUMA);
    Text<81, 85>(r.UA00);
    Text<86, 89, 1>(r.UA90);
}

constexpr ColumnGroup<TypeARecord> kTypeAColumns[] = {
    {kFirstRelease, kLastRelease, TypeAPolygon},
    {kFirstRelease, 95, TypeAMiddleSchoolDistrict},
    {kFirstRelease, 101, TypeAUrbanArea1990},
    {97, kLastRelease, TypeAPolygonCounty},
    {102, kLastRelease, TypeAUrbanAreas2000},
};

// --- Type S ---------------------------------------------------------------

void TypeSBlanks(TypeSRecord& r) {
    Blanks(r.STATE);
    Blanks(r.COUNTY);
    Blanks(r.ANRC);
    Blanks(r.TEA);
    Blanks(r.CDCU);
    Blanks(r.SLDU);
    Blanks(r.SLDL);
    Blanks(r.RS91);
    Blanks(r.STATECOL);
    Blanks(r.COUNCOL);
    Blanks(r.BLKCOL);
    Blanks(r.BLKSUFCOL);
    Blanks(r.ZCTA);
    Blanks(r.TRACT00);
    Blanks(r.BLOCK00);
    Blanks(r.VTD00);
    Blanks(r.UGA);
    Blanks(r.BLKGRP00);
    Blanks(r.RS119);
    Blanks(r.RS120);
    Blanks(r.UA00COR);
    Blanks(r.UA90RED);
    Blanks(r.RS113);
}

void TypeSPolygon(TypeSRecord& r) {
    Text<6, 7>(r.STATE);
    Text<8, 10>(r.COUNTY);
    Text<11, 15>(r.CENID);
    Number<16, 25>(r.POLYID);
    Int<26, 26>(r.WATER);
    Text<27, 30>(r.MSACMSA);
    Text<31, 34>(r.PMSA);
    Text<35, 39>(r.AIANHHFP);
    Text<40, 43>(r.AIANHH);
    Char<44>(r.AIHHTLI);
    Text<47, 48>(r.STATECU);
    Text<49, 51>(r.COUNTYCU);
    Text<52, 56>(r.CONCIT);
    Text<57, 61>(r.COUSUB);
    Text<62, 66>(r.SUBMCD);
    Text<67, 71>(r.PLACE);
    Text<83, 84>(r.CDCU);
}

void TypeSAnrc(TypeSRecord& r) { Text<45, 46>(r.ANRC); }

// The state legislative districts in six columns each.
void TypeSWideDistricts(TypeSRecord& r) {
    Text<85, 90>(r.SLDU);
    Text<91, 96>(r.SLDL);
}

// The 2000 census codes; the legislative districts in three columns each,
// stored left-justified in six.
void TypeSCensus2000(TypeSRecord& r) {
    Tract<72, 77>(r.TRACT00);
    Text<78, 81>(r.BLOCK00);
    LeftJustified<85, 87>(r.SLDU);
    LeftJustified<88, 90>(r.SLDL);
    Text<97, 102>(r.VTD00);
    Text<114, 118>(r.ZCTA);
}

void TypeSColumn82(TypeSRecord& r) { Char<82>(r.TEA); }

void TypeSColumns91To95(TypeSRecord& r) { Text<91, 95>(r.RS91); }

void TypeSUrbanGrowthArea(TypeSRecord& r) {
    Text<91, 95>(r.UGA);
    Char<96>(r.BLKGRP00);
}

void TypeSCollectionBlock(TypeSRecord& r) {
    Text<103, 104>(r.STATECOL);
    Text<105, 107>(r.COUNCOL);
    Text<108, 112>(r.BLKCOL);
    Char<113>(r.BLKSUFCOL);
}

void TypeSColumns119And120(TypeSRecord& r) {
    Char<119>(r.RS119);
    Char<120>(r.RS120);
}

void TypeSUrbanAreaCorrections(TypeSRecord& r) {
    Text<103, 107>(r.UA00COR);
    Text<108, 112>(r.UA90RED);
    Char<113>(r.RS113);
}

constexpr ColumnGroup<TypeSRecord> kTypeSColumns[] = {
    {kFirstRelease, kLastRelease, TypeSPolygon},
    {kFirstRelease, 99, TypeSAnrc},
    {kFirstRelease, 97, TypeSWideDistricts},
    {98, kLastRelease, TypeSCensus2000},
    {98, 100, TypeSColumn82},
    {98, 99, TypeSColumns91To95},
    {100, kLastRelease, TypeSUrbanGrowthArea},
    {98, 102, TypeSCollectionBlock},
    {102, kLastRelease, TypeSColumns119And120},
    {103, 103, TypeSUrbanAreaCorrections},
};

// --- Type C ---------------------------------------------------------------

void TypeCBlanks(TypeCRecord& r) {
    Blanks(r.STATE);
    Blanks(r.COUNTY);
    Blanks(r.DATAYR);
    Blanks(r.FIPS);
    Blanks(r.FIPSCC);
    Blanks(r.LSADC);
    Blanks(r.MA);
    Blanks(r.SD);
    Blanks(r.AIR);
    Blanks(r.VTD);
    Blanks(r.UA);
    Blanks(r.ANRC);
    Blanks(r.RS52);
    Blanks(r.AITSCE);
    Blanks(r.NAME);
    Blanks(r.MSACMSA);
    Blanks(r.PMSA);
}

void TypeCEntity(TypeCRecord& r) {
    tigercore::ParseTypeCEntity({r.STATE, r.COUNTY, r.DATAYR, r.FIPS, r.FIPSCC, r.PLACEDC, r.LSADC, r.ENTITY, r.MA,
                                 r.SD, r.AIR, r.VTD, r.UA});
}

void TypeCAnrcAndName58(TypeCRecord& r) {
    Text<50, 51>(r.ANRC);
    Text<52, 54>(r.RS52);
    LeftJustified<55, 112>(r.NAME);
}

void TypeCTribalSubdivisionAndName60(TypeCRecord& r) {
    Text<50, 52>(r.AITSCE);
    LeftJustified<53, 112>(r.NAME);
}

// Releases before 98: a two-digit year (a year of 0 leaves DATAYR blank,
// which matches any year) and the shorter codes.
void TypeCEntityBefore98(TypeCRecord& r) {
    Text<6, 7>(r.STATE);
    Text<8, 10>(r.COUNTY);
    Text<11, 12>(r.YEAR);
    if (std::atoi(r.YEAR) != 0) std::snprintf(r.DATAYR, sizeof r.DATAYR, "19%s", r.YEAR);
    Text<13, 17>(r.FIPS);
    Char<20>(r.PLACEDC);
    Text<21, 22>(r.LSADC);
    Text<33, 36>(r.AIR);
    Text<37, 42>(r.VTD);
    LeftJustified<43, 46>(r.UA);
    Text<47, 112>(r.NAME);
}

void TypeCMetropolitanAreas94(TypeCRecord& r) {
    Text<23, 24>(r.ANRC);
    Text<25, 28>(r.MSACMSA);
    Text<29, 32>(r.PMSA);
}

void TypeCEntityType97(TypeCRecord& r) {
    Char<23>(r.ENTITY);
    Text<24, 27>(r.MA);
    Text<28, 32>(r.SD);
}

constexpr ColumnGroup<TypeCRecord> kTypeCColumns[] = {
    {kFirstRelease, 97, TypeCEntityBefore98},
    {kFirstRelease, 95, TypeCMetropolitanAreas94},
    {97, 97, TypeCEntityType97},
    {98, kLastRelease, TypeCEntity},
    {98, 99, TypeCAnrcAndName58},
    {100, kLastRelease, TypeCTribalSubdivisionAndName60},
};

// The county's layouts; release 97 until a reader picks its own.
struct Layouts {
    ReleaseLayout<Type3Record> type3;
    ReleaseLayout<TypeARecord> typeA;
    ReleaseLayout<TypeSRecord> typeS;
    ReleaseLayout<TypeCRecord> typeC;

    void Select(int release) {
        type3.Select(Type3Blanks, kType3Columns, release);
        typeA.Select(TypeABlanks, kTypeAColumns, release);
        typeS.Select(TypeSBlanks, kTypeSColumns, release);
        typeC.Select(TypeCBlanks, kTypeCColumns, release);
    }
    Layouts() { Select(97); }
};

Layouts gLayouts;

}  // namespace

void SelectReleaseLayouts(int release) { gLayouts.Select(release); }

void ParseType3Line(int row) { gLayouts.type3.Parse(gType3Records[static_cast<size_t>(row)]); }
void ParseTypeALine(int row) { gLayouts.typeA.Parse(gTypeARecords[static_cast<size_t>(row)]); }
void ParseTypeSLine(int row) { gLayouts.typeS.Parse(gTypeSRecords[static_cast<size_t>(row)]); }
void ParseTypeCLine(int row) { gLayouts.typeC.Parse(gTypeCRecords[static_cast<size_t>(row)]); }

}  // namespace vornak
