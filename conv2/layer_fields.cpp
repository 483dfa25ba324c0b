#include "conv2/layer_fields.h"

namespace vornak2 {

using shapeio::DbfFieldDef;

const DbfFieldDef kCountyFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"STATE", 'C', 60, 0}, {"COUNTY", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"FIPSCC", 'C', 2, 0},   {"ENTITY", 'C', 1, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef kTractFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"FIPSSTCO", 'C', 5, 0}, {"TRACT", 'C', 6, 0},
    {"STFID", 'C', 11, 0},  {"NAME", 'C', 60, 0},    {nullptr, 0, 0, 0},
};

const DbfFieldDef kAianhhFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"AIANHH", 'C', 4, 0}, {"AIANHHFP", 'C', 5, 0},
    {"AIHHTLI", 'C', 1, 0}, {"NAME", 'C', 60, 0},  {"LSADC", 'C', 2, 0},  {"FIPSCC", 'C', 2, 0},
    {"ENTITY", 'C', 1, 0},  {nullptr, 0, 0, 0},
};

const DbfFieldDef kAnrcFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ANRC", 'C', 5, 0},   {"NAME", 'C', 60, 0},
    {"LSADC", 'C', 2, 0},   {"FIPSCC", 'C', 2, 0}, {"ENTITY", 'C', 1, 0}, {nullptr, 0, 0, 0},
};

const DbfFieldDef kAitsFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"AITS", 'C', 5, 0},   {"AITSCE", 'C', 3, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {"FIPSCC", 'C', 2, 0}, {"ENTITY", 'C', 1, 0},
    {nullptr, 0, 0, 0},
};

// The places and county subdivisions: the county code, the 5-character
// code and the entity's names and codes.
#define PLACE_FIELDS(code, classCode)                                                                     \
    {                                                                                                     \
        {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {code, 'C', 5, 0}, {"NAME", 'C', 60, 0},         \
            {"LSADC", 'C', 2, 0}, {"ENTITY", 'C', 1, 0}, {classCode, 'C', 2, 0}, {"PLACEDC", 'C', 1, 0}, \
            {nullptr, 0, 0, 0},                                                                           \
    }

const DbfFieldDef kConsolidatedCityFields[] = PLACE_FIELDS("CONCITY", "FIPSCC");
const DbfFieldDef kCountySubdivisionFields[] = PLACE_FIELDS("COUSUB", "COUSUBCC");
const DbfFieldDef kSubbarrioFields[] = PLACE_FIELDS("SUBMCD", "COUSUBCC");
const DbfFieldDef kPlaceFields[] = PLACE_FIELDS("PLACE", "FIPSCC");

#undef PLACE_FIELDS

// School districts and metropolitan areas: the county code, the code, the
// name and the entity's codes.
#define AREA_FIELDS(code, width)                                                                        \
    {                                                                                                   \
        {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {code, 'C', width, 0}, {"NAME", 'C', 60, 0},    \
            {"LSADC", 'C', 2, 0}, {"ENTITY", 'C', 1, 0}, {nullptr, 0, 0, 0},                            \
    }

const DbfFieldDef kElementarySchoolFields[] = AREA_FIELDS("ELEMENTARY", 5);
const DbfFieldDef kSecondarySchoolFields[] = AREA_FIELDS("SECONDARY", 5);
const DbfFieldDef kUnifiedSchoolFields[] = AREA_FIELDS("UNIFIED", 5);
const DbfFieldDef kCmsaMsaFields[] = AREA_FIELDS("CMSAMSA", 4);
const DbfFieldDef kPmsaFields[] = AREA_FIELDS("PMSA", 4);

#undef AREA_FIELDS

const DbfFieldDef kNecmaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"NECMA", 'C', 4, 0},
    {"NAME", 'C', 60, 0},   {"LSADC", 'C', 2, 0},  {nullptr, 0, 0, 0},
};

const DbfFieldDef kThreeDigitZctaFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ZCTA3", 'C', 3, 0}, {nullptr, 0, 0, 0},
};

}  // namespace vornak2
