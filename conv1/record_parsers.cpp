// The parsers of the record types whose columns are the same in every
// release.
#include "conv1/record_parsers.h"

#include "tigercore/field_readers.h"
#include "conv1/job_state.h"
#include "conv1/record_store.h"
#include "platform/files.h"
#include "tigercore/county_job.h"

#include <cstdio>

namespace vornak {

namespace {

constexpr tigercore::RecordFamily kFamily = tigercore::RecordFamily::k1994To2000;

using namespace tigercore::fields;

}  // namespace

void ParseType1Line(int row) {
    // Row 0: the county's VERSION goes to "date.txt".
    if (row == 0) tigercore::WriteVersionFile(Services(), gOutputPrefix, tigercore::ParseVersion());
    tigercore::ParseType1(gType1Records[static_cast<size_t>(row)], kFamily);
}

void ParseType2Line(int row) { tigercore::ParseType2(gType2Records[static_cast<size_t>(row)]); }

void ParseType4Line(int row) { tigercore::ParseType4(gType4Records[static_cast<size_t>(row)], kFamily); }

void ParseType5Line(int row) { tigercore::ParseType5(gType5Records[static_cast<size_t>(row)], kFamily); }

void ParseType6Line(int row) { tigercore::ParseType6(gType6Records[static_cast<size_t>(row)], kFamily); }

void ParseType7Line(int row) { tigercore::ParseType7(gType7Records[static_cast<size_t>(row)], kFamily); }

void ParseType8Line(int row) { tigercore::ParseType8(gType8Records[static_cast<size_t>(row)], kFamily); }

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

void ParseTypeZLine(int row) { tigercore::ParseTypeZ(gTypeZRecords[static_cast<size_t>(row)], kFamily); }

}  // namespace vornak
