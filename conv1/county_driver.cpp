#include "conv1/county_driver.h"

#include "conv1/conversion_dialog.h"
#include "conv1/job_state.h"
#include "conv1/polygon_borders.h"
#include "conv1/record_store.h"
#include "conv1/shape_points.h"
#include "conv1/stages.h"
#include "exports/county_exports.h"
#include "options/options_strings.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "tigercore/county_run.h"

#include <string>

namespace vornak {

namespace {

using Stage = tigercore::CountyRun::Stage;
using GatedBuilder = tigercore::CountyRun::GatedBuilder;
namespace layer = options::older;

bool From97() { return gEditionCode >= 97; }
bool Before100() { return gEditionCode < 100; }
bool From100() { return gEditionCode >= 100; }
bool Before103() { return gEditionCode < 103; }
bool Release103() { return gEditionCode == 103; }
bool HasAllPolygonsLayer() { return gEditionCode >= 97; }

// The job state the driver's frame runs on.
tigercore::CountyRunState RunState() {
    return {gRecordFile, gTypeAScratchFile, gScratchFolder, gConversionStatus, Services()};
}

// The all-polygons member of the county's release.
void BuildAllPolygonsOfRelease() {
    switch (gEditionCode) {
        case 97: BuildAllPolygonsTiger97(); break;
        case 98: BuildAllPolygonsTiger98(); break;
        case 99: BuildAllPolygonsDressRehearsal(); break;
        case 100:
        case 101: BuildAllPolygonsTiger2000(); break;
        case 102: BuildAllPolygonsTiger2000UrbanAreas(); break;
        case 103: BuildAllPolygonsTiger2000Cd108(); break;
        default: break;
    }
}

// The polygon builders in call order, each with the releases it runs for
// (null: all).
const GatedBuilder kPolygonBuilders[] = {
    {layer::kCounty1990, BuildCounty1990Polygons, nullptr},
    {layer::kCountyCurrent, BuildCountyCurrentPolygons, nullptr},
    {layer::kTracts1990, BuildTract1990Polygons, nullptr},
    {layer::kTracts2000, BuildTract2000Polygons, nullptr},
    {layer::kBlockGroups1990, BuildBlockGroup1990Polygons, nullptr},
    {layer::kBlockGroups2000, BuildBlockGroup2000Polygons, nullptr},
    {layer::kBlocks1990, BuildBlock1990Polygons, nullptr},
    {layer::kBlocks2000, BuildBlock2000Polygons, nullptr},
    {layer::kPlaces1990, BuildPlace1990Polygons, nullptr},
    {layer::kCountySubdivisions1990, BuildCountySubdivision1990Polygons, nullptr},
    {layer::kAmericanIndianAreas1990, BuildAmericanIndianArea1990Polygons, From97},
    {layer::kTrafficAnalysisZones, BuildTrafficAnalysisZonePolygons, nullptr},
    {layer::kUrbanAreas1990, BuildUrbanArea1990Polygons, nullptr},
    {layer::kConsolidatedCities, BuildConsolidatedCity2000Polygons, nullptr},
    {layer::kElementarySchoolDistricts, BuildElementarySchoolDistrictPolygons, nullptr},
    {layer::kMiddleSchoolDistricts, BuildMiddleSchoolDistrictPolygons, nullptr},
    {layer::kSecondarySchoolDistricts, BuildSecondarySchoolDistrictPolygons, nullptr},
    {layer::kUnifiedSchoolDistricts, BuildUnifiedSchoolDistrictPolygons, nullptr},
    {layer::kPlacesCurrent, BuildPlaceCurrentPolygons, nullptr},
    {layer::kCountySubdivisionsCurrent, BuildCountySubdivisionCurrentPolygons, nullptr},
    {layer::kAmericanIndianAreasCurrent, BuildAmericanIndianAreaCurrentPolygons, nullptr},
    {layer::kAlaskaNativeRegionalCorporations, BuildAnrcPolygons, Before100},
    {layer::kAlaskaNativeRegionalCorporations, ReportNoAnrcRecords, From100},
    {layer::kWaterPolygons, BuildWaterPolygons, nullptr},
    {layer::kCmsaMsa, BuildCmsaMsaPolygons, nullptr},
    {layer::kPmsa, BuildPmsaPolygons, nullptr},
    {layer::kCongressionalDistrictsCurrent, BuildCongressionalDistrictCurrentPolygons, nullptr},
    {layer::kCongressionalDistricts106, BuildCongressionalDistrict106Polygons, nullptr},
    {layer::kStateHouseDistricts, BuildLowerChamberDistrictPolygons, nullptr},
    {layer::kStateSenateDistricts, BuildUpperChamberDistrictPolygons, nullptr},
    {layer::kTribalSubdivisions, BuildAits2000Polygons, nullptr},
    {layer::kUrbanGrowthAreas, BuildUrbanGrowthArea2000Polygons, nullptr},
    {layer::kCollectionBlocks2000, BuildCollectionBlock2000Polygons, Before103},
    {layer::kCorrectedUrbanAreas2000, BuildCorrectedUrbanArea2000Polygons, Release103},
    {layer::kZipCodeTabulationAreas, BuildZcta2000Polygons, nullptr},
    {layer::kPublicUseMicrodataAreas, BuildPumaPolygons, nullptr},
    {layer::kUrbanAreas2000, BuildUrbanArea2000Polygons, nullptr},
    {layer::kRedefinedUrbanAreas1990, BuildRedefinedUrbanArea1990Polygons, Release103},
    {layer::kAllPolygons, BuildAllPolygonsOfRelease, HasAllPolygonsLayer},
};

class CountyDriver : tigercore::CountyRun {
public:
    explicit CountyDriver(ConversionDialog& job) : CountyRun(job, RunState()) {}
    // False when the county ended on a failure.
    bool Run();

private:
    // A polygon layer is asked for.
    bool AsksForPolygonLayer() const {
        for (int i = layer::kFirstPolygonLayer; i <= layer::kLastPolygonLayer; ++i)
            if (Flag(i)) return true;
        return false;
    }
    // The suffix of a record type's file: the release's suffix family ("f6",
    // "bw" or "rt") and the type character; its file beside the type 1 file.
    std::string RecordSuffix(char type) const;
    std::string RecordPath(char type) const;
    // Opens a record file into gRecordFile; on failure logs `message` and
    // returns false.
    bool Open(char type, const char* message) { return OpenRecordFile(RecordSuffix(type), message); }
    bool LineStage();
    bool RoadTables();
    bool PolygonStage();
    bool KeyGeographicLocations();
    bool Landmarks();
    // Ends the county (`converted` or failed); whether it stands converted.
    bool EndCounty(bool converted);

    bool type5Read_ = false;     // the roads block opened the type 5 file
    bool notOfEdition_ = false;  // the county's files are not of the edition chosen
};

std::string CountyDriver::RecordSuffix(char type) const {
    const char* family = gEditionCode == 94 ? "f6" : gEditionCode == 95 ? "bw" : "rt";
    return family + std::string(1, type);
}

std::string CountyDriver::RecordPath(char type) const { return RecordFilePath(RecordSuffix(type)); }

bool CountyDriver::RoadTables() {
    if (!Open('4', "Could not open Type 4 file. No alternative feature names will be generated.")) {
        gType4Count = 0;
    } else {
        if (!Call(ReadType4Records)) return false;
        if (!Open('5', "Could not open Type 5 file. No alternative feature names will be generated.")) {
            gConversionStatus = 3;
            gType5Count = 0;
        } else if (!Call(ReadType5Records)) {
            return false;
        }
        type5Read_ = true;
        if (!WriteRoadTable(gType4Count > 0 && gType5Count > 0, "Building Alternate Names File",
                            WriteAlternateNamesTable))
            return false;
        if (gConversionStatus > 0) gConversionStatus = 0;
    }
    if (!Open('6', "Could not open Type 6 file. No additional address ranges and zip codes will be processed.")) {
        gType6Count = 0;
        gConversionStatus = 0;
        return true;
    }
    if (!Call(ReadType6Records)) return false;
    if (!Open('z', "Could not open Type z file. No zip+4 information will be generated.")) {
        gConversionStatus = 3;
        gTypeZCount = 0;
    } else if (!Call(ReadTypeZRecords)) {
        return false;
    }
    if (!WriteRoadTable(gType6Count > 0, "Building Additional Address Info File", WriteAdditionalAddressTable) ||
        !WriteRoadTable(gTypeZCount > 0, "Building Zip+4 Info File", WriteZip4Table))
        return false;
    if (gConversionStatus > 0) gConversionStatus = 0;
    return true;
}

bool CountyDriver::LineStage() {
    // The shape points of the county's longest line and its two end points.
    tigercore::gShapePointBuffer.assign(10 * static_cast<size_t>(gMaxRtsq) + 2, shapeio::PointXY{});
    BuildNodesAndLines();
    Services().ShowLayer(" ");
    if (Failed()) return false;
    return !Flag(options::kRoads) || RoadTables();
}

bool CountyDriver::KeyGeographicLocations() {
    if (!Open('9', "Could not open Type 9 file. No KGL names will be generated")) {
        gConversionStatus = 2;
        gType9Count = 0;
    } else if (!Call(ReadType9Records)) {
        return false;
    }
    // The roads block's type 5 table serves when that block read it (it does
    // not when the type 4 file is missing).
    if (!type5Read_) {
        if (!Open('5', "Could not open Type 5 file. No KGL addresses will be generated.")) {
            gConversionStatus = 3;
            gType5Count = 0;
        } else if (!Call(ReadType5Records)) {
            return false;
        }
    }
    return true;
}

bool CountyDriver::Landmarks() {
    if (!Open('7', "Could not open Type 7 file. No Landmark polys will be generated")) {
        gConversionStatus = 4;
        return true;
    }
    if (!Call(ReadType7Records)) return false;
    if (!Open('8', "Could not open Type 8 file. No Landmark polys will be generated")) {
        gConversionStatus = 5;
        return true;
    }
    if (!Call(ReadType8Records)) return false;
    DeterminePolygonBorders(kLandmarkSides);
    if (Failed()) return false;
    return !Flag(layer::kLandmarkPolygons) || Call(BuildLandmarkPolygons);
}

bool CountyDriver::PolygonStage() {
    Services().SetProgress(0);
    Services().ShowStatus("Sorting");
    KeepLineEndsByTlid();

    if (!Open('c', "Could not open Type c file. No polygon names will be generated")) {
        gConversionStatus = 1;
        gTypeCCount = 0;
    } else if (!Call(ReadTypeCRecords)) {
        return false;
    }
    if (!Open('3', "Could not open Type 3 file.")) {
        ++gConversionStatus;
        // Every county of these editions has a type 3 file: a county without
        // one is of another edition, and its polygon layers cannot be made.
        if (AsksForPolygonLayer()) {
            WriteLogLine(platform::Format(PELLARD_EDITION_CHOSEN
                                          "%s. The county's record files are not of that edition: every county of "
                                          "the 1994-2000 editions has a Type 3 file, and there is no %s",
                                          job_.editionText.c_str(),
                                          platform::FileNameOfPath(RecordPath('3')).c_str()));
            notOfEdition_ = true;
        }
        return false;
    }
    if (!Call(ReadType3Records)) return false;
    if (!Open('i', "Could not open Type i file. No KGLs,Landmark,Type A nor Type S polygons will be generated") ||
        !Call(ReadTypeIRecords))
        return false;
    PrepareSideIndexes();

    const bool haveTypeA = Open('a', "Could not open Type a file. No Type A polygons will be generated");
    if (!haveTypeA) gConversionStatus = 6;
    if (!OpenTypeAScratch(Services().ScratchPath("a.tmp"))) return false;
    if (!haveTypeA || !Call(ReadTypeARecords)) return false;
    DeterminePolygonBorders(kTypeASides);
    if (Failed()) return false;

    if (!Open('s', "Could not open Type s file. No Type S polygons will be generated")) {
        gConversionStatus = 7;
        return false;
    }
    if (!Call(ReadTypeSRecords)) return false;
    DeterminePolygonBorders(kTypeSSides);
    if (Failed()) return false;

    if (Flag(layer::kVotingDistricts1990) && !Call(BuildVotingDistrict1990Polygons)) return false;
    if (Flag(layer::kVotingDistricts2000) && !Call(BuildVotingDistrict2000Polygons)) return false;

    const bool keyLocations = Flag(layer::kKeyGeographicLocations);
    const bool landmarksOrWater = Flag(layer::kLandmarkPolygons) || Flag(layer::kWaterPolygons);
    if (keyLocations && !KeyGeographicLocations()) return false;
    if (keyLocations || landmarksOrWater) {
        DeterminePolygonBorders(kKeyGeographicLocationSides);
        if (Failed()) return false;
        if (keyLocations) {
            if (!Call(BuildKeyGeographicLocationPolygons)) return false;
            if (gType9Count > 0 && !Call(WriteKeyGeographicLocationAddressTable)) return false;
        }
    }
    if (landmarksOrWater && !Landmarks()) return false;

    return CallBuilders(kPolygonBuilders);
}

bool CountyDriver::EndCounty(bool converted) {
    ReleaseRecordStore();
    ReleasePolygonBorders();
    const bool ended = EndCountyFiles(converted);
    Services().ShowStatus("");
    return ended;
}

bool CountyDriver::Run() {
    ResetRecordStore();
    ReleasePolygonBorders();

    // The scratch files of this county, private to this process, and its
    // type 1 file.
    bool goOn = StartCounty(gOutputDir, gOrganisationMode == '3', ReadType1Records, RecordSuffix('i')) &&
                IdentifyCounty(RecordSuffix('i'), 16);
    goOn = goOn &&
           OpenRequired(RecordSuffix('2'), "Could not open Type 2 file. Processing for this county will terminate") &&
           Call(ReadType2Records) && LineStage();

    // Any polygon flag; the positions after the last polygon layer
    // (organisation, label points and one no stage reads) count too.
    bool anyPolygon = false;
    for (int i = layer::kFirstPolygonFlag; i <= layer::kLastPolygonFlag; ++i) anyPolygon = anyPolygon || Flag(i);
    if (goOn && anyPolygon) PolygonStage();

    const bool converted = EndCounty(!missingRequired_ && !notOfEdition_ && !Failed());
    Services().WriteLogText("Finished\n");
    return converted;
}

}  // namespace

bool ConvertCounty(ConversionDialog& job) {
    gCurrentJob = &job;
    return CountyDriver(job).Run();
}

}  // namespace vornak
