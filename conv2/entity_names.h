// Names of geographic entities from the type C rows (file order): the first
// row that matches an entity kind, its codes and the data year.
#pragma once

#include <string>

namespace vornak2 {

// Entity kinds a lookup asks for.
enum EntityKind {
    kStateEntity = 0,
    kCountyEntity = 1,
    kPlaceEntity = 3,
    kAmericanIndianAreaEntity = 4,
    kAnrcEntity = 5,
    kVotingDistrictEntity = 6,
    kUrbanAreaEntity = 7,
    kMetropolitanAreaEntity = 8,
    kSchoolDistrictEntity = 10,
    kTractEntity = 11,
    kTribalSubdivisionEntity = 14,
    kCbsaEntity = 15,
    kEconomicPlaceEntity = 16,
    kCsaEntity = 17,
    kMetropolitanDivisionEntity = 18,
    kNectaEntity = 19,
    kCombinedNectaEntity = 20,
    kConsolidatedCityEntity = 21,
    kCountySubdivisionEntity = 22,
    kSubbarrioEntity = 23,
    kUpperChamberEntity = 24,
    kLowerChamberEntity = 25,
};

struct EntityNameQuery {
    int kind = 0;
    std::string code1;
    std::string code2;
    int year = 0;
};

// The type C row found by the last lookup; -1 when none.
extern int gEntityRow;
// PLACEDC of the voting district found by the last kind 6 lookup; a blank when none.
extern char gEntityPlacedc;

// The NAME (60 characters, trailing blanks kept) of the first matching type C
// row, or the empty text. The text lives in the type C table: copy it.
const char* LookupEntityName(const EntityNameQuery& query);
// The NAME of the first type C row whose COMMREG equals `region`.
const char* LookupCommercialRegionName(int region);

}  // namespace vornak2
