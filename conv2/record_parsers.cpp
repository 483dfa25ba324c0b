#include "conv2/record_parsers.h"

#include "conv2/job_state.h"
#include "tigercore/county_job.h"
#include "tigercore/field_readers.h"
#include "conv2/record_store.h"
#include "platform/files.h"

#include <cstddef>
#include <cstdio>

namespace vornak2 {

namespace {

constexpr tigercore::RecordFamily kFamily = tigercore::RecordFamily::k2002To2006;

using namespace tigercore::fields;

// Row 0 of type 1: the county's VERSION goes to "date.txt", and the edition
// note to the log.
void WriteVersionAndEditionNote() {
    tigercore::WriteVersionFile(Services(), gOutputPrefix, tigercore::ParseVersion());
    Services().WriteLogText(gSecondEdition ? "Second Edition TIGER 2004\n" : "First Edition TIGER 2004\n");
}

bool EditionReads105() { return gEditionCode == 105 || gEditionCode == 106; }

}  // namespace

void ParseType1Line(int row) {
    if (row == 0) WriteVersionAndEditionNote();
    tigercore::ParseType1(gType1Records[static_cast<size_t>(row)], kFamily);
}

void ParseType2Line(int row) { tigercore::ParseType2(gType2Records[static_cast<size_t>(row)]); }

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

void ParseType4Line(int row) { tigercore::ParseType4(gType4Records[static_cast<size_t>(row)], kFamily); }

void ParseType5Line(int row) { tigercore::ParseType5(gType5Records[static_cast<size_t>(row)], kFamily); }

void ParseType6Line(int row) { tigercore::ParseType6(gType6Records[static_cast<size_t>(row)], kFamily); }

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

void ParseTypeZLine(int row) { tigercore::ParseTypeZ(gTypeZRecords[static_cast<size_t>(row)], kFamily); }

void ParseTypeCLine(int row) {
    TypeCRecord& r = gTypeCRecords[static_cast<size_t>(row)];
    Char<1>(r.RT);
    Int<2, 5>(r.VERSION);
    tigercore::ParseTypeCEntity({r.STATE, r.COUNTY, r.DATAYR, r.FIPS, r.FIPSCC, r.PLACEDC, r.LSADC, r.ENTITY, r.MA,
                                 r.SD, r.AIANHH, r.VTDTRACT, r.UAUGA});
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

void ParseType7Line(int row) { tigercore::ParseType7(gType7Records[static_cast<size_t>(row)], kFamily); }

void ParseType8Line(int row) { tigercore::ParseType8(gType8Records[static_cast<size_t>(row)], kFamily); }

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
