// Names of geographic entities from the type C rows, which keep their file
// order: the NAME of the first row that matches an entity kind, its codes
// and, for the lookup by year, the data year.
#pragma once

namespace vornak {

// The entity kinds of a lookup. Each lookup knows the kinds of its own
// table of kinds; any other kind finds nothing.
enum EntityKind {
    kStateEntity = 0,
    kCountyEntity = 1,
    kCountySubdivisionEntity = 2,
    kPlaceEntity = 3,
    kAmericanIndianAreaEntity = 4,
    kAnrcEntity = 5,
    kVotingDistrictEntity = 6,
    kUrbanAreaEntity = 7,
    kCmsaMsaEntity = 8,
    kPmsaEntity = 9,
    kSchoolDistrictEntity = 10,     // by year only
    kTractEntity = 11,              // by year only
    kConsolidatedCityEntity = 12,   // by year only
    kLsadc77Entity = 13,            // by year only
    kTribalSubdivisionEntity = 14,  // by year only
};

// What a lookup asks for. A null code reads as the empty text; `year` is
// read by LookupEntityNameByYear only.
struct EntityNameQuery {
    int kind = 0;
    const char* code1 = "";
    const char* code2 = "";
    int year = 0;
};

// The type C row found by the place kind and, for years 2000 and later, by
// the urban area kind of LookupEntityNameByYear. Left alone otherwise: the
// callers set it to -1 before the lookup.
extern int gEntityRow;
// PLACEDC of the row found by the voting district kind of
// LookupEntityNameByYear; a blank when that lookup finds none.
extern char gEntityPlaceDc;

// The NAME (66 characters) of the first matching type C row, or a constant
// empty text; never null. The text lives in the type C table.
const char* LookupEntityName(EntityNameQuery query);
const char* LookupEntityNameByYear(EntityNameQuery query);

}  // namespace vornak
