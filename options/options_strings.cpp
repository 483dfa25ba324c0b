#include "options/options_strings.h"

#include <initializer_list>
#include <iterator>

namespace options {

namespace {

// Positions 0-7 of both strings: the line classes, each a shapefile of its
// lines.
const char* const kLineClassMeanings[] = {
    "roads (class A, files lkA) with the alternate names, additional address and "
    "ZIP+4 tables; '2' writes their address ranges as numbers",
    "railroads (B)",
    "miscellaneous ground transportation (C)",
    "landmark lines (D)",
    "physical features (E)",
    "non-visible boundaries (F; the 1994-2000 editions with G)",
    "hydrography (H)",
    "unclassified lines (X)",
};

const OptionPosition kLineClassRows[] = {
    {0, 100, "Type A", kLineClassMeanings[0]}, {1, 101, "Type B", kLineClassMeanings[1]},
    {2, 102, "Type C", kLineClassMeanings[2]}, {3, 103, "Type D", kLineClassMeanings[3]},
    {4, 104, "Type E", kLineClassMeanings[4]}, {5, 105, "Type F", kLineClassMeanings[5]},
    {6, 106, "Type H", kLineClassMeanings[6]}, {7, 107, "Type X", kLineClassMeanings[7]},
};

// The line classes' rows, then `own`.
std::vector<OptionPosition> WithLineClasses(std::initializer_list<OptionPosition> own) {
    std::vector<OptionPosition> rows(std::begin(kLineClassRows), std::end(kLineClassRows));
    rows.insert(rows.end(), own);
    return rows;
}

}  // namespace

const std::vector<OptionPosition>& LaterRows() {
    static const std::vector<OptionPosition> rows = WithLineClasses({
        {8, 108, "County 2000", "County 2000"},
        {9, 109, "County Current", "County Current"},
        {10, 110, "Corrected Count Polys", "Corrections (CQ polygons)"},
        {11, 111, "Tract 2000", "Tract 2000"},
        {12, 112, "Tract Current", "Tract Current"},
        {13, 113, "Tract Correction", nullptr},
        {14, 114, "Group 2000", "Block Group 2000"},
        {15, 115, "Group Current", "Block Group Current"},
        {16, 116, "Group Correction", nullptr},
        {17, 117, "Block 2000", "Block 2000"},
        {18, 118, "Block Current", "Block Current"},
        {19, 119, "Block Correction", nullptr},
        {20, 120, "American Indian/ Alaska Native/ Hawaiian Homeland 2000",
         "American Indian / Alaska Native / Hawaiian Home Land areas 2000"},
        {21, 121, "AIANHH Current", "AIANHH Current"},
        {22, 122, "AIANHH Correction", nullptr},
        {23, 123, "Alaska Native Regional Corporations 2000", "Alaska Native Regional Corporations 2000"},
        {24, 124, "ANRC Current", "ANRC Current"},
        {25, 125, "ANRC Correction", nullptr},
        {26, 126, "American Indian Tribal Subdivisions 2000", "American Indian Tribal Subdivisions 2000"},
        {27, 127, "AITS Current", "AITS Current"},
        {28, 128, "AITS Correction", nullptr},
        {29, 129, "Consolidated City 2000", "Consolidated City 2000"},
        {30, 130, "Consolidated City Current", "Consolidated City Current"},
        {31, 131, "ConCity Correction", nullptr},
        {32, 132, "County Subdivision 2000", "County Subdivision 2000"},
        {33, 133, "County Subdivision Current", "County Subdivision Current"},
        {34, 134, "Cousub Correction", nullptr},
        {35, 135, "Subbarrio 2000", "Subbarrio 2000"},
        {36, 136, "Subbarrio Current", "Subbarrio Current"},
        {37, 137, "Subbarrio Correction", nullptr},
        {38, 138, "Place 2000", "Place 2000"},
        {39, 139, "Place Current", "Place Current"},
        {40, 140, "Place Correction", nullptr},
        {41, 141, "School Districts Elementary 2000", "Elementary School Districts 2000"},
        {42, 142, "SDELM Current", "Elementary School Districts Current"},
        {43, 143, "School Districts Secondary 2000", "Secondary School Districts 2000"},
        {44, 144, "SDSEC Current", "Secondary School Districts Current"},
        {45, 145, "School Districts Unified 2000", "Unified School Districts 2000"},
        {46, 146, "SDUNI Current", "Unified School Districts Current"},
        {47, 147, "MSA/CMSA 2000", "MSA/CMSA 2000"},
        {48, 148, "MSA/CMSA Current", "MSA/CMSA Current (2002); County Economic Census (2003 on)"},
        {48, 248, "County Economic", nullptr},
        {49, 149, "PMSA 2000", "PMSA 2000"},
        {50, 150, "PMSA Current", "PMSA Current (2002); Places Economic Census (2003 on)"},
        {50, 250, "Place Economic", nullptr},
        {51, 151, "NECMA 2000", "NECMA 2000"},
        {52, 152, "NECMA Current", "NECMA Current (2002); Commercial Regions (2003 on)"},
        {52, 252, "Commercial Region Code", nullptr},
        {53, 0, nullptr,
         "the edition: '9' TIGER 2002, 'a' 2003, 'b' 2004 first edition, 'c' 2004 second "
         "edition and 2005, 'd' 2006 second edition"},
        {54, 154, "106th Congressional Districts", "106th Congressional Districts (and the 108th for 'c')"},
        {55, 155, "Congressional Districts Current", "Congressional Districts Current"},
        {56, 156, "ZCTA5 2000", "ZCTA5 2000"},
        {57, 157, "ZCTA5 Current", "ZCTA5 Current"},
        {58, 158, "ZCTA3 2000", "ZCTA3 2000"},
        {59, 159, "ZCTA3 Current", "ZCTA3 Current"},
        {60, 160, "Urban 2000", "Urban Areas 2000 (and Current for 2006)"},
        {61, 161, "Urban Correction", nullptr},
        {62, 162, "Traffic Analysis Zones", "Traffic Analysis Zones"},
        {63, 163, "Voting Districts", "Voting Districts 2000"},
        {64, 164, "State Legislative Districts, Upper House",
         "State Legislative Districts, Upper House (and Current for 2006)"},
        {65, 165, "State Legislative Districts, Lower House",
         "State Legislative Districts, Lower House (and Current for 2006)"},
        {66, 166, "Urban Growth Area", "Urban Growth Areas 2000"},
        {67, 167, "Landmark Pts and Polys", "Landmark polygons with their landmark tables"},
        {68, 168, "Water Polygons", "Water polygons"},
        {69, 169, "PUMA 5%", "PUMA 5%"},
        {70, 170, "PUMA 1%", "PUMA 1%"},
        {71, 171, "All Polys", "All polygons, one per TIGER polygon with all its codes"},
        {72, 172, "Core Based Statistical Areas",
         "Core Based Statistical Areas, Combined Statistical Areas, Metropolitan "
         "Divisions, NECTAs, Combined NECTAs, NECTA Divisions (2003 on)",
         77},
        {73, 173, "Combined Statistical Areas", nullptr},
        {74, 174, "Metropolitan Divisions", nullptr},
        {75, 175, "New England City + Town Areas", nullptr},
        {76, 176, "Combined NECTAs", nullptr},
        {77, 177, "NECTA Divisions", nullptr},
        {79, 0, nullptr,
         "the output organisation: '0' a folder per county, '1' one folder "
         "\"tigershapes\", '2' a folder per layer, '3' a folder per layer with the "
         "counties merged into one file"},
        {80, 180, "Clip Major Water Polygons", "clip water polygons out of the polygon layers"},
        {81, 0, nullptr, "a label point (push pin) per KML polygon"},
    });
    return rows;
}

const std::vector<OptionPosition>& OlderRows() {
    static const std::vector<OptionPosition> rows = WithLineClasses({
        {8, 108, "County 90", "County 1990"},
        {9, 109, "County Current", "County Current (2000 for the 2000 Dress Rehearsal on)"},
        {10, 110, "Tracts 90", "Tracts 1990"},
        {11, 111, "Block Groups 90", "Block Groups 1990"},
        {12, 112, "Blocks 90", "Blocks 1990"},
        {13, 113, "Places 1990", "Places 1990"},
        {14, 114, "Places Current", "Places Current"},
        {15, 115, "MCD/CCD 1990", "County Subdivisions 1990"},
        {16, 116, "MCD/CCD Current", "County Subdivisions Current"},
        {17, 117, "Voting Districts 1990", "Voting Districts 1990"},
        {18, 118, "Voting Districts 2000", "Voting Districts 2000"},
        {19, 119, "AIR 1990", "American Indian Areas 1990 (TIGER 97 on)"},
        {20, 120, "AIR Current", "American Indian Areas Current"},
        {21, 121, "Alaska Regional Native Corporation",
         "Alaska Native Regional Corporations (up to '4'; later a log line that there are "
         "none)"},
        {22, 122, "Key Geographic Locations", "Key Geographic Locations with their address table"},
        {23, 123, "Landmark Polys", "Landmark polygons with their tables"},
        {24, 124, "Traffic Analysis Zones", "Traffic Analysis Zones"},
        {25, 125, "Urban Areas 1990", "Urban Areas 1990"},
        {26, 126, "Consolidated City 2000", "Consolidated Cities"},
        {27, 127, "Elementary School Districts", "Elementary School Districts"},
        {28, 128, "Middle School Districts", "Middle School Districts"},
        {29, 129, "Secondary School Districts", "Secondary School Districts"},
        {30, 130, "Unified School Districts", "Unified School Districts"},
        {31, 131, "Water Polygons", "Water polygons"},
        {32, 132, "CMSA/MSA", "CMSA/MSA"},
        {33, 133, "PMSA", "PMSA"},
        {34, 134, "Congressional Districts Current", "Congressional Districts Current"},
        {35, 135, "State House District", "State House Districts"},
        {36, 136, "State Senate District", "State Senate Districts"},
        {37, 137, "Census 2000 Collection Blocks", "Census 2000 Collection Blocks ('8': Corrected Urban Areas 2000)"},
        {38, 138, "All TIGER Polygons", "All polygons (TIGER 97 on)"},
        {39, 139, "Tracts 2000", "Tracts 2000"},
        {40, 140, "Blocks 2000", "Blocks 2000"},
        {41, 141, "ZipCode Tabulation Areas", "ZIP Code Tabulation Areas"},
        {42, 142, "Block Groups 2000", "Block Groups 2000"},
        {44, 144, "Tribal Subdivisions", "Tribal Subdivisions"},
        {45, 145, "Public Use Micro Data Area", "Public Use Microdata Areas"},
        {46, 146, "106th Congressional Districts", "106th Congressional Districts"},
        {47, 147, "Oregon Urban Growth Area, 2000", "Urban Growth Areas"},
        {48, 148, "Urban Areas 2000", "Urban Areas 2000"},
        {49, 149, "Urban 90 Redefined", "Redefined Urban Areas 1990 ('8' only)"},
        {50, 0, nullptr, "the output organisation: '0' to '3' as position 79 of the long string"},
        {51, 0, nullptr, "a label point (push pin) per KML polygon"},
        {53, 0, nullptr,
         "the edition: '0' TIGER 94 (.f61 files), '1' TIGER 95 (.bw1), '2' TIGER 97, '3' "
         "TIGER 98, '4' Census 2000 Dress Rehearsal, '5' TIGER 99 and 2000 Redistricting, "
         "'6' TIGER 2000, '7' TIGER 2000 Urban Areas, '8' 108th Congressional Districts "
         "TIGER 2000"},
        {54, 154, "Clip Perennial Water Polygons", "clip water polygons out of the polygon layers"},
    });
    return rows;
}

const OptionPosition* OptionsFamily::RowOfControl(int control) const {
    for (const OptionPosition& row : *this)
        if (control != 0 && row.control == control) return &row;
    return nullptr;
}

const OptionsFamily* FamilyOfEdition(char edition) {
    if (edition >= '0' && edition <= '8') return &kOlderOptions;
    if (edition == '9' || (edition >= 'a' && edition <= 'd')) return &kLaterOptions;
    return nullptr;
}

DecodedOptions DecodeOptions(const OptionsFamily& family, const std::string& text) {
    auto at = [&text](std::size_t i) { return i < text.size() ? text[i] : '0'; };
    DecodedOptions decoded;
    decoded.flags.resize(family.length);
    for (std::size_t i = 0; i < family.length; ++i) decoded.flags[i] = at(i) != '0' ? 1 : 0;
    decoded.edition = at(family.edition);
    decoded.organisation = at(family.organisation);
    decoded.clipWater = at(family.clipWater) != '0';
    decoded.pushPins = at(family.pushPins) != '0';
    decoded.numericAddresses = at(family.numericAddresses) == kNumericAddressesCharacter;
    return decoded;
}

}  // namespace options
