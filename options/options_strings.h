// The two options strings: 86 characters for the 2002-2006 editions
// (DisplayV2), 56 for the 1994-2000 editions (Display). One character per
// position; a character other than '0' asks for what the position holds.
// Each family has its table of positions (index, the layer dialog's control
// and its label, and what the position asks for) and its named positions of
// the settings; the layer positions are named below, one enum per string.
// DecodeOptions reads a string into a value.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace options {

// What a row's check box is in the layer dialog.
enum class Box {
    kLayer,        // a layer box every edition of the dialog shows
    kHiddenLayer,  // a layer box the dialog hides: set by a string given or by Select All only
    kLaterLayer,   // a layer box the 2002-2006 dialog shows from the 2003 edition on
    kLineClass,    // shown disabled: the line classes are chosen by no dialog
    kSetting,      // not a layer (water clipping), or no box at all
};

// One row of a family's table: a position and the layer dialog's check box
// for it. A position may have two rows (two boxes), a setting none.
struct OptionPosition {
    int index;
    int control;          // the check box's id in the layer dialog; 0 for none
    const char* label;    // the box's label in the dialog's template; null for none
    const char* meaning;  // what the position asks for; null when another row tells it, or nothing does
    int lastIndex = -1;   // the meaning covers index to lastIndex (a run of positions); -1 for index alone
    Box box = Box::kLayer;

    bool IsLayerBox() const { return control != 0 && box != Box::kLineClass && box != Box::kSetting; }
};

struct OptionsFamily {
    std::size_t length;
    // The named positions.
    std::size_t edition;           // the edition character
    std::size_t organisation;      // '0' to '3'
    std::size_t clipWater;         // a flag
    std::size_t pushPins;          // a flag: a label point per KML polygon
    std::size_t numericAddresses;  // '2' writes the roads' address ranges as numbers
    const std::vector<OptionPosition>& (*rows)();

    std::vector<OptionPosition>::const_iterator begin() const { return rows().begin(); }
    std::vector<OptionPosition>::const_iterator end() const { return rows().end(); }
    // The row of a dialog control; null for none.
    const OptionPosition* RowOfControl(int control) const;
    // Whether `index` has two boxes: the row of `control` and another.
    bool HasSecondBox(int index) const;
};

const std::vector<OptionPosition>& LaterRows();
const std::vector<OptionPosition>& OlderRows();

// The 2002-2006 editions ('9', 'a' to 'd'), 86 characters.
inline constexpr OptionsFamily kLaterOptions{86, 53, 79, 80, 81, 0, LaterRows};
// The 1994-2000 editions ('0' to '8'), 56 characters.
inline constexpr OptionsFamily kOlderOptions{56, 53, 50, 54, 51, 0, OlderRows};

inline const OptionsFamily& LaterFamily() { return kLaterOptions; }
inline const OptionsFamily& OlderFamily() { return kOlderOptions; }
// The family of an edition character; null for a character of neither.
const OptionsFamily* FamilyOfEdition(char edition);

// The layer positions, each named after what its box in the layer dialog
// asks for (its row of OlderRows or LaterRows). The line classes take the
// first eight positions of both strings.
enum LineClassPosition : int {
    kRoads = 0, kRailroads = 1, kMiscellaneousTransportation = 2, kLandmarkLines = 3,
    kPhysicalFeatures = 4, kNonVisibleBoundaries = 5, kHydrography = 6, kUnclassifiedLines = 7,
};

// The polygon layers of the 56-character string (OlderRows), a theme a line.
namespace older {
enum LayerPosition : int {
    kCounty1990 = 8, kCountyCurrent = 9,
    kTracts1990 = 10, kBlockGroups1990 = 11, kBlocks1990 = 12,
    kPlaces1990 = 13, kPlacesCurrent = 14,
    kCountySubdivisions1990 = 15, kCountySubdivisionsCurrent = 16,
    kVotingDistricts1990 = 17, kVotingDistricts2000 = 18,
    kAmericanIndianAreas1990 = 19, kAmericanIndianAreasCurrent = 20, kAlaskaNativeRegionalCorporations = 21,
    kKeyGeographicLocations = 22, kLandmarkPolygons = 23,
    kTrafficAnalysisZones = 24, kUrbanAreas1990 = 25, kConsolidatedCities = 26,
    kElementarySchoolDistricts = 27, kMiddleSchoolDistricts = 28, kSecondarySchoolDistricts = 29,
    kUnifiedSchoolDistricts = 30,
    kWaterPolygons = 31, kCmsaMsa = 32, kPmsa = 33,
    kCongressionalDistrictsCurrent = 34, kStateHouseDistricts = 35, kStateSenateDistricts = 36,
    kCollectionBlocks2000 = 37,
    kCorrectedUrbanAreas2000 = 37,  // the same box, in the edition '8'
    kAllPolygons = 38,
    kTracts2000 = 39, kBlocks2000 = 40, kZipCodeTabulationAreas = 41, kBlockGroups2000 = 42,
    kTribalSubdivisions = 44, kPublicUseMicrodataAreas = 45, kCongressionalDistricts106 = 46,
    kUrbanGrowthAreas = 47, kUrbanAreas2000 = 48, kRedefinedUrbanAreas1990 = 49,
    kFirstPolygonLayer = kCounty1990, kLastPolygonLayer = kRedefinedUrbanAreas1990,
};

// The flags vornak runs its polygon stage for: any of kFirstPolygonFlag to
// kLastPolygonFlag. A layer's position lies among them, up to
// kLastPolygonLayer; 43 is the one free there. Past the last layer, 50
// (organisation), 51 (push pins) and 52 (read by no stage) count too. After
// them come the edition (53), water clipping (54) and 55, which nothing
// reads.
inline constexpr int kFirstPolygonFlag = kFirstPolygonLayer;
inline constexpr int kLastPolygonFlag = 52;
static_assert(kLastPolygonLayer < static_cast<int>(kOlderOptions.organisation));
static_assert(kLastPolygonFlag + 1 == static_cast<int>(kOlderOptions.edition));
}  // namespace older

// The polygon layers of the 86-character string (LaterRows), a theme a
// line. Three positions have a second box for the economic census layers of
// 2003 on.
namespace later {
enum LayerPosition : int {
    kCounty2000 = 8, kCountyCurrent = 9, kCorrections = 10,
    kTract2000 = 11, kTractCurrent = 12, kTractCorrection = 13,
    kBlockGroup2000 = 14, kBlockGroupCurrent = 15, kBlockGroupCorrection = 16,
    kBlock2000 = 17, kBlockCurrent = 18, kBlockCorrection = 19,
    kAmericanIndianAreas2000 = 20, kAmericanIndianAreasCurrent = 21, kAmericanIndianAreasCorrection = 22,
    kAnrc2000 = 23, kAnrcCurrent = 24, kAnrcCorrection = 25,
    kAits2000 = 26, kAitsCurrent = 27, kAitsCorrection = 28,
    kConsolidatedCity2000 = 29, kConsolidatedCityCurrent = 30, kConsolidatedCityCorrection = 31,
    kCountySubdivision2000 = 32, kCountySubdivisionCurrent = 33, kCountySubdivisionCorrection = 34,
    kSubbarrio2000 = 35, kSubbarrioCurrent = 36, kSubbarrioCorrection = 37,
    kPlace2000 = 38, kPlaceCurrent = 39, kPlaceCorrection = 40,
    kElementarySchoolDistricts2000 = 41, kElementarySchoolDistrictsCurrent = 42,
    kSecondarySchoolDistricts2000 = 43, kSecondarySchoolDistrictsCurrent = 44,
    kUnifiedSchoolDistricts2000 = 45, kUnifiedSchoolDistrictsCurrent = 46,
    kMsaCmsa2000 = 47, kMsaCmsaCurrent = 48, kCountyEconomic = 48,
    kPmsa2000 = 49, kPmsaCurrent = 50, kPlaceEconomic = 50,
    kNecma2000 = 51, kNecmaCurrent = 52, kCommercialRegions = 52,
    kCongressionalDistricts106 = 54, kCongressionalDistrictsCurrent = 55,
    kFiveDigitZcta2000 = 56, kFiveDigitZctaCurrent = 57, kThreeDigitZcta2000 = 58, kThreeDigitZctaCurrent = 59,
    kUrbanAreas2000 = 60, kUrbanCorrection = 61,
    kTrafficAnalysisZones = 62, kVotingDistricts2000 = 63,
    kStateUpperHouseDistricts = 64, kStateLowerHouseDistricts = 65,
    kUrbanGrowthAreas = 66, kLandmarks = 67, kWaterPolygons = 68,
    kPuma5Percent = 69, kPuma1Percent = 70,
    kAllPolygons = 71,
    kCoreBasedStatisticalAreas = 72, kCombinedStatisticalAreas = 73, kMetropolitanDivisions = 74,
    kNectas = 75, kCombinedNectas = 76, kNectaDivisions = 77,
    kFirstPolygonLayer = kCounty2000,
};

// The flags vornak2 runs its polygon stage for: any of kFirstPolygonFlag to
// kLastPolygonFlag but the edition's (53). A layer's position lies among
// them; 78 is the one no row takes. After them come the organisation (79),
// water clipping (80), push pins (81), 82 to 84, which the library copies
// and no stage reads, and 85, which nothing reads.
inline constexpr int kFirstPolygonFlag = kFirstPolygonLayer;
inline constexpr int kLastPolygonFlag = 78;
static_assert(kLastPolygonFlag + 1 == static_cast<int>(kLaterOptions.organisation));
}  // namespace later

// The character for "numeric address ranges" at the numeric addresses
// position.
constexpr char kNumericAddressesCharacter = '2';

// An options string as a library reads it: positions past the end of a
// short string read as '0'.
struct DecodedOptions {
    std::vector<int> flags;  // one per position of the family: 1 when not '0'
    char edition = '0';
    char organisation = '0';
    bool clipWater = false;
    bool pushPins = false;
    bool numericAddresses = false;
};

DecodedOptions DecodeOptions(const OptionsFamily& family, const std::string& text);

}  // namespace options
