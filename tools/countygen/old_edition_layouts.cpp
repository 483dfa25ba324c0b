#include "old_edition_layouts.h"

#include <map>
#include <stdexcept>

namespace countygen {

namespace {

constexpr int kFirst = 94, kLast = 103;

using Cell = OldCellCodes;
using Side = OldSideCodes;
using Entity = OldEntityName;

template <class Row>
Column<Row> Text(char record, const char* name, int first, int last, int from, int to, std::string Row::*field) {
    return {record, name, first, last, from, to, field, nullptr};
}

template <class Row>
Column<Row> Char(char record, const char* name, int column, int from, int to, char Row::*field) {
    return {record, name, column, column, from, to, nullptr, field};
}

LevelPart Part(std::string Cell::*field, int from = kFirst, int to = kLast, int width = 0) {
    return {field, nullptr, from, to, width};
}

LevelPart Part(char Cell::*field, int from = kFirst, int to = kLast) { return {nullptr, field, from, to, 0}; }

// The county of the type A levels: the type 3 sides' state and county for
// 94 and 95 (the cell's own), the polygon's columns 90-94 from 97.
std::vector<LevelPart> CountyParts() {
    return {Part(&Cell::STATE, 94, 95), Part(&Cell::COUNTY, 94, 95), Part(&Cell::STATEPOLY, 97, kLast),
            Part(&Cell::COUNTYPOLY, 97, kLast)};
}

std::vector<LevelPart> Join(std::vector<LevelPart> parts, const std::vector<LevelPart>& more) {
    parts.insert(parts.end(), more.begin(), more.end());
    return parts;
}

// State and county of the type S row, in the releases of a level.
std::vector<LevelPart> CountyCurrentParts(int from) {
    return {Part(&Cell::STATECU, from), Part(&Cell::COUNTYCU, from)};
}

}  // namespace

const std::vector<Column<OldCellCodes>>& CellColumns() {
    static const std::vector<Column<Cell>> table = {
        Text('A', "STATE", 6, 7, kFirst, kLast, &Cell::STATE),
        Text('A', "COUNTY", 8, 10, kFirst, kLast, &Cell::COUNTY),
        Text('A', "CENID", 11, 15, kFirst, kLast, &Cell::CENID),
        Text('A', "POLYID", 16, 25, kFirst, kLast, &Cell::POLYID),
        Text('A', "FAIR", 26, 30, kFirst, kLast, &Cell::FAIR),
        Text('A', "FMCD", 31, 35, kFirst, kLast, &Cell::FMCD),
        Text('A', "FPL", 36, 40, kFirst, kLast, &Cell::FPL),
        Text('A', "TRACT", 41, 46, kFirst, kLast, &Cell::TRACT),
        Text('A', "BLOCK", 47, 50, kFirst, kLast, &Cell::BLOCK),
        Text('A', "CD106", 51, 52, kFirst, kLast, &Cell::CD106),
        Text('A', "CD108", 53, 54, kFirst, kLast, &Cell::CD108),
        Text('A', "SDELM", 55, 59, kFirst, kLast, &Cell::SDELM),
        Text('A', "SDMID", 60, 64, 94, 95, &Cell::SDMID),
        Text('A', "PUMA", 60, 64, 102, kLast, &Cell::PUMA),
        Text('A', "SDSEC", 65, 69, kFirst, kLast, &Cell::SDSEC),
        Text('A', "SDUNI", 70, 74, kFirst, kLast, &Cell::SDUNI),
        Text('A', "TAZ", 75, 80, kFirst, kLast, &Cell::TAZ),
        Text('A', "UA90", 81, 84, kFirst, 101, &Cell::UA90),
        Char('A', "UR90", 85, kFirst, 101, &Cell::UR90),
        Text('A', "TAZPART", 86, 89, kFirst, 101, &Cell::TAZPART),
        Text('A', "UA00", 81, 85, 102, kLast, &Cell::UA00),
        Text('A', "UA90", 86, 89, 102, kLast, &Cell::UA90),
        Text('A', "STATEPOLY", 90, 91, 97, kLast, &Cell::STATEPOLY),
        Text('A', "COUNTYPOLY", 92, 94, 97, kLast, &Cell::COUNTYPOLY),
        Text('A', "AIR", 95, 98, 97, kLast, &Cell::AIR),

        Text('S', "STATE", 6, 7, kFirst, kLast, &Cell::STATE),
        Text('S', "COUNTY", 8, 10, kFirst, kLast, &Cell::COUNTY),
        Text('S', "CENID", 11, 15, kFirst, kLast, &Cell::CENID),
        Text('S', "POLYID", 16, 25, kFirst, kLast, &Cell::POLYID),
        Text('S', "MSACMSA", 27, 30, kFirst, kLast, &Cell::MSACMSA),
        Text('S', "PMSA", 31, 34, kFirst, kLast, &Cell::PMSA),
        Text('S', "AIANHHFP", 35, 39, kFirst, kLast, &Cell::AIANHHFP),
        Text('S', "AIANHH", 40, 43, kFirst, kLast, &Cell::AIANHH),
        Char('S', "AIHHTLI", 44, kFirst, kLast, &Cell::AIHHTLI),
        Text('S', "ANRC", 45, 46, kFirst, 99, &Cell::ANRC),
        Text('S', "STATECU", 47, 48, kFirst, kLast, &Cell::STATECU),
        Text('S', "COUNTYCU", 49, 51, kFirst, kLast, &Cell::COUNTYCU),
        Text('S', "CONCIT", 52, 56, kFirst, kLast, &Cell::CONCIT),
        Text('S', "COUSUB", 57, 61, kFirst, kLast, &Cell::COUSUB),
        Text('S', "SUBMCD", 62, 66, kFirst, kLast, &Cell::SUBMCD),
        Text('S', "PLACE", 67, 71, kFirst, kLast, &Cell::PLACE),
        Text('S', "TRACT00", 72, 77, 98, kLast, &Cell::TRACT00),
        Text('S', "BLOCK00", 78, 81, 98, kLast, &Cell::BLOCK00),
        Char('S', "TEA", 82, 98, 100, &Cell::TEA),
        Text('S', "CDCU", 83, 84, kFirst, kLast, &Cell::CDCU),
        Text('S', "SLDU", 85, 90, kFirst, 97, &Cell::SLDU),
        Text('S', "SLDL", 91, 96, kFirst, 97, &Cell::SLDL),
        Text('S', "SLDU", 85, 87, 98, kLast, &Cell::SLDU),
        Text('S', "SLDL", 88, 90, 98, kLast, &Cell::SLDL),
        Text('S', "RS91", 91, 95, 98, 99, &Cell::RS91),
        Text('S', "UGA", 91, 95, 100, kLast, &Cell::UGA),
        Char('S', "BLKGRP00", 96, 100, kLast, &Cell::BLKGRP00),
        Text('S', "VTD00", 97, 102, 98, kLast, &Cell::VTD00),
        Text('S', "STATECOL", 103, 104, 98, 102, &Cell::STATECOL),
        Text('S', "COUNCOL", 105, 107, 98, 102, &Cell::COUNCOL),
        Text('S', "BLKCOL", 108, 112, 98, 102, &Cell::BLKCOL),
        Char('S', "BLKSUFCOL", 113, 98, 102, &Cell::BLKSUFCOL),
        Text('S', "UA00COR", 103, 107, 103, kLast, &Cell::UA00COR),
        Text('S', "UA90RED", 108, 112, 103, kLast, &Cell::UA90RED),
        Char('S', "RS113", 113, 103, kLast, &Cell::RS113),
        Text('S', "ZCTA", 114, 118, 98, kLast, &Cell::ZCTA),
        Char('S', "RS119", 119, 102, kLast, &Cell::RS119),
        Char('S', "RS120", 120, 102, kLast, &Cell::RS120),
    };
    return table;
}

const std::vector<Column<OldSideCodes>>& SideColumns() {
    static const std::vector<Column<Side>> table = {
        Text('1', "FAIR", 117, 121, kFirst, kLast, &Side::FAIR),
        Char('1', "TRUST", 127, kFirst, kLast, &Side::TRUST),
        Text('1', "STATE", 131, 132, kFirst, kLast, &Side::STATE),
        Text('1', "COUNTY", 135, 137, kFirst, kLast, &Side::COUNTY),
        Text('1', "FMCD", 141, 145, kFirst, kLast, &Side::FMCD),
        Text('1', "FSMCD", 151, 155, kFirst, kLast, &Side::FSMCD),
        Text('1', "FPL", 161, 165, kFirst, kLast, &Side::FPL),
        Text('1', "TRACT", 171, 176, kFirst, kLast, &Side::TRACT),
        Text('1', "BLOCK", 183, 186, kFirst, kLast, &Side::BLOCK),

        Text('3', "STATE90", 16, 17, kFirst, kLast, &Side::STATE90),
        Text('3', "COUN90", 20, 22, kFirst, kLast, &Side::COUN90),
        Char('3', "TRUST90", 66, 100, kLast, &Side::TRUST90),
        Text('3', "AIR", 78, 81, 100, kLast, &Side::AIR),
        Text('3', "ANRC", 86, 90, 100, kLast, &Side::ANRC),
        Text('3', "AITSCE", 96, 98, 100, kLast, &Side::AITSCE),
        Text('3', "AITS", 102, 106, 100, kLast, &Side::AITS),
        Text('3', "VTD", 104, 107, kFirst, 98, &Side::VTD),
    };
    return table;
}

const std::vector<Column<OldEntityName>>& EntityColumns() {
    static const std::vector<Column<Entity>> table = {
        Text('C', "STATE", 6, 7, kFirst, kLast, &Entity::STATE),
        Text('C', "COUNTY", 8, 10, kFirst, kLast, &Entity::COUNTY),
        Text('C', "YEAR", 11, 12, kFirst, 97, &Entity::YEAR),
        Text('C', "DATAYR", 11, 14, 98, kLast, &Entity::DATAYR),
        Text('C', "FIPS", 13, 17, kFirst, 97, &Entity::FIPS),
        Text('C', "FIPS", 15, 19, 98, kLast, &Entity::FIPS),
        Text('C', "FIPSCC", 20, 21, 98, kLast, &Entity::FIPSCC),
        Char('C', "PLACEDC", 20, kFirst, 97, &Entity::PLACEDC),
        Char('C', "PLACEDC", 22, 98, kLast, &Entity::PLACEDC),
        Text('C', "LSADC", 21, 22, kFirst, 97, &Entity::LSADC),
        Text('C', "LSADC", 23, 24, 98, kLast, &Entity::LSADC),
        Char('C', "ENTITY", 23, 97, 97, &Entity::ENTITY),
        Char('C', "ENTITY", 25, 98, kLast, &Entity::ENTITY),
        Text('C', "ANRC", 23, 24, kFirst, 95, &Entity::ANRC),
        Text('C', "MSACMSA", 25, 28, kFirst, 95, &Entity::MSACMSA),
        Text('C', "PMSA", 29, 32, kFirst, 95, &Entity::PMSA),
        Text('C', "MA", 24, 27, 97, 97, &Entity::MA),
        Text('C', "MA", 26, 29, 98, kLast, &Entity::MA),
        Text('C', "SD", 28, 32, 97, 97, &Entity::SD),
        Text('C', "SD", 30, 34, 98, kLast, &Entity::SD),
        Text('C', "AIR", 33, 36, kFirst, 97, &Entity::AIR),
        Text('C', "AIR", 35, 38, 98, kLast, &Entity::AIR),
        Text('C', "VTD", 37, 42, kFirst, 97, &Entity::VTD),
        Text('C', "VTD", 39, 44, 98, kLast, &Entity::VTD),
        Text('C', "UA", 43, 46, kFirst, 97, &Entity::UA),
        Text('C', "UA", 45, 49, 98, kLast, &Entity::UA),
        Text('C', "ANRC", 50, 51, 98, 99, &Entity::ANRC),
        Text('C', "RS52", 52, 54, 98, 99, &Entity::RS52),
        Text('C', "AITSCE", 50, 52, 100, kLast, &Entity::AITSCE),
        Text('C', "NAME", 47, 112, kFirst, 97, &Entity::NAME),
        Text('C', "NAME", 55, 112, 98, 99, &Entity::NAME),
        Text('C', "NAME", 53, 112, 100, kLast, &Entity::NAME),
    };
    return table;
}

const std::vector<LevelPart>& LevelParts(LevelA level) {
    static const std::map<LevelA, std::vector<LevelPart>> levels = {
        {LevelA::County, CountyParts()},
        {LevelA::Tract, Join(CountyParts(), {Part(&Cell::TRACT)})},
        {LevelA::BlockGroup, Join(CountyParts(), {Part(&Cell::TRACT), Part(&Cell::BLOCK, kFirst, kLast, 1)})},
        {LevelA::Block, Join(CountyParts(), {Part(&Cell::TRACT), Part(&Cell::BLOCK)})},
        {LevelA::Place, {Part(&Cell::FPL)}},
        {LevelA::CountySubdivision, {Part(&Cell::FMCD)}},
        {LevelA::IndianArea, {Part(&Cell::FAIR, 97), Part(&Cell::AIR, 97)}},
        {LevelA::TrafficAnalysisZone, {Part(&Cell::TAZ), Part(&Cell::TAZPART, kFirst, 99), Part(&Cell::UA90, 100)}},
        {LevelA::UrbanArea1990, {Part(&Cell::UA90, kFirst, kLast, 5)}},
        {LevelA::ElementarySchool, {Part(&Cell::SDELM)}},
        {LevelA::SecondarySchool, {Part(&Cell::SDSEC)}},
        {LevelA::UnifiedSchool, {Part(&Cell::SDUNI)}},
        {LevelA::MiddleSchool, {Part(&Cell::SDMID, 94, 95)}},
        {LevelA::CongressionalDistrict106, {Part(&Cell::CD106)}},
        {LevelA::UrbanArea2000, {Part(&Cell::UA00, 102)}},
        {LevelA::Puma, {Part(&Cell::PUMA, 102)}},
    };
    return levels.at(level);
}

const std::vector<LevelPart>& LevelParts(LevelS level) {
    static const std::map<LevelS, std::vector<LevelPart>> levels = {
        {LevelS::CmsaMsa, {Part(&Cell::MSACMSA)}},
        {LevelS::Pmsa, {Part(&Cell::PMSA)}},
        {LevelS::CongressionalDistrict, {Part(&Cell::CDCU)}},
        {LevelS::StateHouse, {Part(&Cell::SLDL)}},
        {LevelS::StateSenate, {Part(&Cell::SLDU)}},
        {LevelS::Anrc, {Part(&Cell::ANRC, kFirst, 99)}},
        {LevelS::Place, {Part(&Cell::PLACE)}},
        {LevelS::CountySubdivision, {Part(&Cell::COUSUB), Part(&Cell::SUBMCD)}},
        {LevelS::IndianArea, {Part(&Cell::AIANHH), Part(&Cell::AIANHHFP), Part(&Cell::AIHHTLI)}},
        {LevelS::CollectionBlock,
         {Part(&Cell::STATECOL, 98, 102), Part(&Cell::COUNCOL, 98, 102), Part(&Cell::BLKCOL, 98, 102),
          Part(&Cell::BLKSUFCOL, 98, 102), Part(&Cell::TEA, 98, 102), Part(&Cell::ZCTA, 98, 102)}},
        {LevelS::Tract2000, Join(CountyCurrentParts(98), {Part(&Cell::TRACT00, 98)})},
        {LevelS::Block2000, Join(CountyCurrentParts(98), {Part(&Cell::TRACT00, 98), Part(&Cell::BLOCK00, 98)})},
        {LevelS::VotingDistrict2000, Join(CountyCurrentParts(98), {Part(&Cell::VTD00, 98)})},
        {LevelS::County, CountyCurrentParts(kFirst)},
        {LevelS::Zcta, Join(CountyCurrentParts(98), {Part(&Cell::ZCTA, 98)})},
        {LevelS::BlockGroup2000,
         Join(CountyCurrentParts(100), {Part(&Cell::TRACT00, 100), Part(&Cell::BLKGRP00, 100)})},
        {LevelS::UrbanGrowthArea, {Part(&Cell::UGA, 100)}},
        {LevelS::ConsolidatedCity, {Part(&Cell::CONCIT)}},
        {LevelS::CorrectedUrbanArea2000, {Part(&Cell::UA00COR, 103)}},
        {LevelS::RedefinedUrbanArea1990, {Part(&Cell::UA90RED, 103)}},
    };
    return levels.at(level);
}

int OldRecordLength(char recordType) {
    switch (recordType) {
        case '1': return 228;
        case '2': return 208;
        case '3': return 111;
        case '4': return 58;
        case '5': return 52;
        case '6': return 76;
        case '7': return 74;
        case '8': return 36;
        case '9': return 88;
        case 'A': return 98;
        case 'C': return 112;
        case 'I': return 52;
        case 'S': return 120;
        case 'Z': return 26;
        default: throw std::invalid_argument(std::string("no record type ") + recordType + " in 1994-2000");
    }
}

const char* SuffixFamily(int release) {
    if (release == 94) return "f6";
    if (release == 95) return "bw";
    return "rt";
}

}  // namespace countygen
