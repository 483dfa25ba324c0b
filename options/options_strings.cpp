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
    {kRoads, 100, "Type A", kLineClassMeanings[0], -1, Box::kLineClass},
    {kRailroads, 101, "Type B", kLineClassMeanings[1], -1, Box::kLineClass},
    {kMiscellaneousTransportation, 102, "Type C", kLineClassMeanings[2], -1, Box::kLineClass},
    {kLandmarkLines, 103, "Type D", kLineClassMeanings[3], -1, Box::kLineClass},
    {kPhysicalFeatures, 104, "Type E", kLineClassMeanings[4], -1, Box::kLineClass},
    {kNonVisibleBoundaries, 105, "Type F", kLineClassMeanings[5], -1, Box::kLineClass},
    {kHydrography, 106, "Type H", kLineClassMeanings[6], -1, Box::kLineClass},
    {kUnclassifiedLines, 107, "Type X", kLineClassMeanings[7], -1, Box::kLineClass},
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
        {later::kCounty2000, 108, "County 2000", "County 2000"},
        {later::kCountyCurrent, 109, "County Current", "County Current"},
        {later::kCorrections, 110, "Corrected Count Polys", "Corrections (CQ polygons)"},
        {later::kTract2000, 111, "Tract 2000", "Tract 2000"},
        {later::kTractCurrent, 112, "Tract Current", "Tract Current"},
        {later::kTractCorrection, 113, "Tract Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kBlockGroup2000, 114, "Group 2000", "Block Group 2000"},
        {later::kBlockGroupCurrent, 115, "Group Current", "Block Group Current"},
        {later::kBlockGroupCorrection, 116, "Group Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kBlock2000, 117, "Block 2000", "Block 2000"},
        {later::kBlockCurrent, 118, "Block Current", "Block Current"},
        {later::kBlockCorrection, 119, "Block Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kAmericanIndianAreas2000, 120, "American Indian/ Alaska Native/ Hawaiian Homeland 2000",
         "American Indian / Alaska Native / Hawaiian Home Land areas 2000"},
        {later::kAmericanIndianAreasCurrent, 121, "AIANHH Current", "AIANHH Current"},
        {later::kAmericanIndianAreasCorrection, 122, "AIANHH Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kAnrc2000, 123, "Alaska Native Regional Corporations 2000", "Alaska Native Regional Corporations 2000"},
        {later::kAnrcCurrent, 124, "ANRC Current", "ANRC Current"},
        {later::kAnrcCorrection, 125, "ANRC Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kAits2000, 126, "American Indian Tribal Subdivisions 2000", "American Indian Tribal Subdivisions 2000"},
        {later::kAitsCurrent, 127, "AITS Current", "AITS Current"},
        {later::kAitsCorrection, 128, "AITS Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kConsolidatedCity2000, 129, "Consolidated City 2000", "Consolidated City 2000"},
        {later::kConsolidatedCityCurrent, 130, "Consolidated City Current", "Consolidated City Current"},
        {later::kConsolidatedCityCorrection, 131, "ConCity Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kCountySubdivision2000, 132, "County Subdivision 2000", "County Subdivision 2000"},
        {later::kCountySubdivisionCurrent, 133, "County Subdivision Current", "County Subdivision Current"},
        {later::kCountySubdivisionCorrection, 134, "Cousub Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kSubbarrio2000, 135, "Subbarrio 2000", "Subbarrio 2000"},
        {later::kSubbarrioCurrent, 136, "Subbarrio Current", "Subbarrio Current"},
        {later::kSubbarrioCorrection, 137, "Subbarrio Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kPlace2000, 138, "Place 2000", "Place 2000"},
        {later::kPlaceCurrent, 139, "Place Current", "Place Current"},
        {later::kPlaceCorrection, 140, "Place Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kElementarySchoolDistricts2000, 141, "School Districts Elementary 2000",
         "Elementary School Districts 2000"},
        {later::kElementarySchoolDistrictsCurrent, 142, "SDELM Current", "Elementary School Districts Current"},
        {later::kSecondarySchoolDistricts2000, 143, "School Districts Secondary 2000",
         "Secondary School Districts 2000"},
        {later::kSecondarySchoolDistrictsCurrent, 144, "SDSEC Current", "Secondary School Districts Current"},
        {later::kUnifiedSchoolDistricts2000, 145, "School Districts Unified 2000", "Unified School Districts 2000"},
        {later::kUnifiedSchoolDistrictsCurrent, 146, "SDUNI Current", "Unified School Districts Current"},
        {later::kMsaCmsa2000, 147, "MSA/CMSA 2000", "MSA/CMSA 2000"},
        {later::kMsaCmsaCurrent, 148, "MSA/CMSA Current", "MSA/CMSA Current (2002); County Economic Census (2003 on)"},
        {later::kCountyEconomic, 248, "County Economic", nullptr, -1, Box::kLaterLayer},
        {later::kPmsa2000, 149, "PMSA 2000", "PMSA 2000"},
        {later::kPmsaCurrent, 150, "PMSA Current", "PMSA Current (2002); Places Economic Census (2003 on)"},
        {later::kPlaceEconomic, 250, "Place Economic", nullptr, -1, Box::kLaterLayer},
        {later::kNecma2000, 151, "NECMA 2000", "NECMA 2000"},
        {later::kNecmaCurrent, 152, "NECMA Current", "NECMA Current (2002); Commercial Regions (2003 on)"},
        {later::kCommercialRegions, 252, "Commercial Region Code", nullptr, -1, Box::kLaterLayer},
        {kLaterOptions.edition, 0, nullptr,
         "the edition: '9' TIGER 2002, 'a' 2003, 'b' 2004 first edition, 'c' 2004 second "
         "edition and 2005, 'd' 2006 second edition"},
        {later::kCongressionalDistricts106, 154, "106th Congressional Districts",
         "106th Congressional Districts (and the 108th for 'c')"},
        {later::kCongressionalDistrictsCurrent, 155, "Congressional Districts Current",
         "Congressional Districts Current"},
        {later::kFiveDigitZcta2000, 156, "ZCTA5 2000", "ZCTA5 2000"},
        {later::kFiveDigitZctaCurrent, 157, "ZCTA5 Current", "ZCTA5 Current"},
        {later::kThreeDigitZcta2000, 158, "ZCTA3 2000", "ZCTA3 2000"},
        {later::kThreeDigitZctaCurrent, 159, "ZCTA3 Current", "ZCTA3 Current"},
        {later::kUrbanAreas2000, 160, "Urban 2000", "Urban Areas 2000 (and Current for 2006)"},
        {later::kUrbanCorrection, 161, "Urban Correction", nullptr, -1, Box::kHiddenLayer},
        {later::kTrafficAnalysisZones, 162, "Traffic Analysis Zones", "Traffic Analysis Zones"},
        {later::kVotingDistricts2000, 163, "Voting Districts", "Voting Districts 2000"},
        {later::kStateUpperHouseDistricts, 164, "State Legislative Districts, Upper House",
         "State Legislative Districts, Upper House (and Current for 2006)"},
        {later::kStateLowerHouseDistricts, 165, "State Legislative Districts, Lower House",
         "State Legislative Districts, Lower House (and Current for 2006)"},
        {later::kUrbanGrowthAreas, 166, "Urban Growth Area", "Urban Growth Areas 2000"},
        {later::kLandmarks, 167, "Landmark Pts and Polys", "Landmark polygons with their landmark tables"},
        {later::kWaterPolygons, 168, "Water Polygons", "Water polygons"},
        {later::kPuma5Percent, 169, "PUMA 5%", "PUMA 5%"},
        {later::kPuma1Percent, 170, "PUMA 1%", "PUMA 1%"},
        {later::kAllPolygons, 171, "All Polys", "All polygons, one per TIGER polygon with all its codes"},
        {later::kCoreBasedStatisticalAreas, 172, "Core Based Statistical Areas",
         "Core Based Statistical Areas, Combined Statistical Areas, Metropolitan "
         "Divisions, NECTAs, Combined NECTAs, NECTA Divisions (2003 on)",
         later::kNectaDivisions, Box::kLaterLayer},
        {later::kCombinedStatisticalAreas, 173, "Combined Statistical Areas", nullptr, -1, Box::kLaterLayer},
        {later::kMetropolitanDivisions, 174, "Metropolitan Divisions", nullptr, -1, Box::kLaterLayer},
        {later::kNectas, 175, "New England City + Town Areas", nullptr, -1, Box::kLaterLayer},
        {later::kCombinedNectas, 176, "Combined NECTAs", nullptr, -1, Box::kLaterLayer},
        {later::kNectaDivisions, 177, "NECTA Divisions", nullptr, -1, Box::kLaterLayer},
        {kLaterOptions.organisation, 0, nullptr,
         "the output organisation: '0' a folder per county, '1' one folder "
         "\"tigershapes\", '2' a folder per layer, '3' a folder per layer with the "
         "counties merged into one file"},
        {kLaterOptions.clipWater, 180, "Clip Major Water Polygons", "clip water polygons out of the polygon layers", -1,
         Box::kSetting},
        {kLaterOptions.pushPins, 0, nullptr, "a label point (push pin) per KML polygon"},
    });
    return rows;
}

const std::vector<OptionPosition>& OlderRows() {
    static const std::vector<OptionPosition> rows = WithLineClasses({
        {older::kCounty1990, 108, "County 90", "County 1990"},
        {older::kCountyCurrent, 109, "County Current", "County Current (2000 for the 2000 Dress Rehearsal on)"},
        {older::kTracts1990, 110, "Tracts 90", "Tracts 1990"},
        {older::kBlockGroups1990, 111, "Block Groups 90", "Block Groups 1990"},
        {older::kBlocks1990, 112, "Blocks 90", "Blocks 1990"},
        {older::kPlaces1990, 113, "Places 1990", "Places 1990"},
        {older::kPlacesCurrent, 114, "Places Current", "Places Current"},
        {older::kCountySubdivisions1990, 115, "MCD/CCD 1990", "County Subdivisions 1990"},
        {older::kCountySubdivisionsCurrent, 116, "MCD/CCD Current", "County Subdivisions Current"},
        {older::kVotingDistricts1990, 117, "Voting Districts 1990", "Voting Districts 1990"},
        {older::kVotingDistricts2000, 118, "Voting Districts 2000", "Voting Districts 2000"},
        {older::kAmericanIndianAreas1990, 119, "AIR 1990", "American Indian Areas 1990 (TIGER 97 on)"},
        {older::kAmericanIndianAreasCurrent, 120, "AIR Current", "American Indian Areas Current"},
        {older::kAlaskaNativeRegionalCorporations, 121, "Alaska Regional Native Corporation",
         "Alaska Native Regional Corporations (up to '4'; later a log line that there are "
         "none)"},
        {older::kKeyGeographicLocations, 122, "Key Geographic Locations",
         "Key Geographic Locations with their address table"},
        {older::kLandmarkPolygons, 123, "Landmark Polys", "Landmark polygons with their tables"},
        {older::kTrafficAnalysisZones, 124, "Traffic Analysis Zones", "Traffic Analysis Zones"},
        {older::kUrbanAreas1990, 125, "Urban Areas 1990", "Urban Areas 1990"},
        {older::kConsolidatedCities, 126, "Consolidated City 2000", "Consolidated Cities"},
        {older::kElementarySchoolDistricts, 127, "Elementary School Districts", "Elementary School Districts"},
        {older::kMiddleSchoolDistricts, 128, "Middle School Districts", "Middle School Districts"},
        {older::kSecondarySchoolDistricts, 129, "Secondary School Districts", "Secondary School Districts"},
        {older::kUnifiedSchoolDistricts, 130, "Unified School Districts", "Unified School Districts"},
        {older::kWaterPolygons, 131, "Water Polygons", "Water polygons"},
        {older::kCmsaMsa, 132, "CMSA/MSA", "CMSA/MSA"},
        {older::kPmsa, 133, "PMSA", "PMSA"},
        {older::kCongressionalDistrictsCurrent, 134, "Congressional Districts Current",
         "Congressional Districts Current"},
        {older::kStateHouseDistricts, 135, "State House District", "State House Districts"},
        {older::kStateSenateDistricts, 136, "State Senate District", "State Senate Districts"},
        {older::kCollectionBlocks2000, 137, "Census 2000 Collection Blocks",
         "Census 2000 Collection Blocks ('8': Corrected Urban Areas 2000)"},
        {older::kAllPolygons, 138, "All TIGER Polygons", "All polygons (TIGER 97 on)"},
        {older::kTracts2000, 139, "Tracts 2000", "Tracts 2000"},
        {older::kBlocks2000, 140, "Blocks 2000", "Blocks 2000"},
        {older::kZipCodeTabulationAreas, 141, "ZipCode Tabulation Areas", "ZIP Code Tabulation Areas"},
        {older::kBlockGroups2000, 142, "Block Groups 2000", "Block Groups 2000"},
        {older::kTribalSubdivisions, 144, "Tribal Subdivisions", "Tribal Subdivisions"},
        {older::kPublicUseMicrodataAreas, 145, "Public Use Micro Data Area", "Public Use Microdata Areas"},
        {older::kCongressionalDistricts106, 146, "106th Congressional Districts", "106th Congressional Districts"},
        {older::kUrbanGrowthAreas, 147, "Oregon Urban Growth Area, 2000", "Urban Growth Areas"},
        {older::kUrbanAreas2000, 148, "Urban Areas 2000", "Urban Areas 2000"},
        {older::kRedefinedUrbanAreas1990, 149, "Urban 90 Redefined", "Redefined Urban Areas 1990 ('8' only)"},
        {kOlderOptions.organisation, 0, nullptr,
         "the output organisation: '0' to '3' as position 79 of the long string"},
        {kOlderOptions.pushPins, 0, nullptr, "a label point (push pin) per KML polygon"},
        {kOlderOptions.edition, 0, nullptr,
         "the edition: '0' TIGER 94 (.f61 files), '1' TIGER 95 (.bw1), '2' TIGER 97, '3' "
         "TIGER 98, '4' Census 2000 Dress Rehearsal, '5' TIGER 99 and 2000 Redistricting, "
         "'6' TIGER 2000, '7' TIGER 2000 Urban Areas, '8' 108th Congressional Districts "
         "TIGER 2000"},
        {kOlderOptions.clipWater, 154, "Clip Perennial Water Polygons",
         "clip water polygons out of the polygon layers", -1, Box::kSetting},
    });
    return rows;
}

const OptionPosition* OptionsFamily::RowOfControl(int control) const {
    for (const OptionPosition& row : *this)
        if (control != 0 && row.control == control) return &row;
    return nullptr;
}

bool OptionsFamily::HasSecondBox(int index) const {
    int boxes = 0;
    for (const OptionPosition& row : *this)
        if (row.index == index && row.control != 0) ++boxes;
    return boxes > 1;
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
