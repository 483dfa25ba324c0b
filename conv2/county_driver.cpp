#include "conv2/county_driver.h"

#include "conv2/conversion_dialog.h"
#include "conv2/job_state.h"
#include "conv2/polygon_sides.h"
#include "conv2/record_store.h"
#include "conv2/shape_points.h"
#include "conv2/stages.h"
#include "conv2/water_landmarks.h"
#include "options/options_strings.h"
#include "platform/files.h"
#include "platform/private_file.h"
#include "platform/text.h"
#include "tigercore/county_run.h"
#include "shapeio/county_change.h"
#include "shapeio/layer_output.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace vornak2 {

namespace {

using Stage = tigercore::CountyRun::Stage;
using GatedBuilder = tigercore::CountyRun::GatedBuilder;
namespace layer = options::later;

bool Edition104() { return gEditionCode == 104; }
bool Edition106() { return gEditionCode == 106; }
bool SecondEdition2004() { return gEditionYear == 2004 && gSecondEdition == 1; }

// The job state the driver's frame runs on.
tigercore::CountyRunState RunState() {
    return {gRecordFile, gTypeAScratchFile, gScratchFolder, gConversionStatus, Services()};
}

// Current geography, Census 2000 and other vintages, in call order.
const GatedBuilder kGeographyBuilders[] = {
    {layer::kCountyCurrent, BuildCountyCurrentPolygons, nullptr},
    {layer::kTractCurrent, BuildTractCurrentPolygons, nullptr},
    {layer::kBlockGroupCurrent, BuildBlockGroupCurrentPolygons, nullptr},
    {layer::kBlockCurrent, BuildBlockCurrentPolygons, nullptr},
    {layer::kAmericanIndianAreasCurrent, BuildAmericanIndianAreaCurrentPolygons, nullptr},
    {layer::kAnrcCurrent, BuildAnrcCurrentPolygons, nullptr},
    {layer::kAitsCurrent, BuildAitsCurrentPolygons, nullptr},
    {layer::kConsolidatedCityCurrent, BuildConsolidatedCityCurrentPolygons, nullptr},
    {layer::kCountySubdivisionCurrent, BuildCountySubdivisionCurrentPolygons, nullptr},
    {layer::kSubbarrioCurrent, BuildSubbarrioCurrentPolygons, nullptr},
    {layer::kPlaceCurrent, BuildPlaceCurrentPolygons, nullptr},
    {layer::kElementarySchoolDistrictsCurrent, BuildElementarySchoolDistrictCurrentPolygons, nullptr},
    {layer::kSecondarySchoolDistrictsCurrent, BuildSecondarySchoolDistrictCurrentPolygons, nullptr},
    {layer::kUnifiedSchoolDistrictsCurrent, BuildUnifiedSchoolDistrictCurrentPolygons, nullptr},
    {layer::kMsaCmsaCurrent, BuildCmsaMsaCurrentPolygons, Edition104},
    {layer::kPmsaCurrent, BuildPmsaCurrentPolygons, Edition104},
    {layer::kNecmaCurrent, BuildNecmaCurrentPolygons, Edition104},
    {layer::kCongressionalDistrictsCurrent, BuildCongressionalDistrictCurrentPolygons, nullptr},
    {layer::kFiveDigitZctaCurrent, BuildZctaCurrentPolygons, nullptr},
    {layer::kThreeDigitZctaCurrent, BuildThreeDigitZctaCurrentPolygons, nullptr},
    {layer::kCounty2000, BuildCounty2000Polygons, nullptr},
    {layer::kTract2000, BuildTract2000Polygons, nullptr},
    {layer::kBlockGroup2000, BuildBlockGroup2000Polygons, nullptr},
    {layer::kBlock2000, BuildBlock2000Polygons, nullptr},
    {layer::kAmericanIndianAreas2000, BuildAmericanIndianArea2000Polygons, nullptr},
    {layer::kAnrc2000, BuildAnrc2000Polygons, nullptr},
    {layer::kAits2000, BuildAits2000Polygons, nullptr},
    {layer::kConsolidatedCity2000, BuildConsolidatedCity2000Polygons, nullptr},
    {layer::kCountySubdivision2000, BuildCountySubdivision2000Polygons, nullptr},
    {layer::kSubbarrio2000, BuildSubbarrio2000Polygons, nullptr},
    {layer::kPlace2000, BuildPlace2000Polygons, nullptr},
    {layer::kElementarySchoolDistricts2000, BuildElementarySchoolDistrict2000Polygons, nullptr},
    {layer::kSecondarySchoolDistricts2000, BuildSecondarySchoolDistrict2000Polygons, nullptr},
    {layer::kUnifiedSchoolDistricts2000, BuildUnifiedSchoolDistrict2000Polygons, nullptr},
    {layer::kMsaCmsa2000, BuildCmsaMsa2000Polygons, nullptr},
    {layer::kPmsa2000, BuildPmsa2000Polygons, nullptr},
    {layer::kNecma2000, BuildNecma2000Polygons, nullptr},
    {layer::kCongressionalDistricts106, BuildCongressionalDistrict106Polygons, nullptr},
    {layer::kCongressionalDistricts106, BuildCongressionalDistrict108Polygons, SecondEdition2004},
    {layer::kPuma5Percent, BuildPuma5PercentPolygons, nullptr},
    {layer::kPuma1Percent, BuildPuma1PercentPolygons, nullptr},
    {layer::kFiveDigitZcta2000, BuildZcta2000Polygons, nullptr},
    {layer::kThreeDigitZcta2000, BuildThreeDigitZcta2000Polygons, nullptr},
    {layer::kTrafficAnalysisZones, BuildTrafficAnalysisZonePolygons, nullptr},
    {layer::kUrbanAreas2000, BuildUrbanArea2000Polygons, nullptr},
    {layer::kUrbanAreas2000, BuildUrbanAreaCurrentPolygons, Edition106},
    {layer::kVotingDistricts2000, BuildVotingDistrict2000Polygons, nullptr},
    {layer::kStateUpperHouseDistricts, BuildUpperChamberDistrictPolygons, nullptr},
    {layer::kStateLowerHouseDistricts, BuildLowerChamberDistrictPolygons, nullptr},
    {layer::kUrbanGrowthAreas, BuildUrbanGrowthArea2000Polygons, nullptr},
};

// Statistical areas of the 2003 and later editions.
const GatedBuilder kStatisticalAreaBuilders[] = {
    {layer::kCoreBasedStatisticalAreas, BuildCbsaCurrentPolygons, nullptr},
    {layer::kCombinedStatisticalAreas, BuildCsaCurrentPolygons, nullptr},
    {layer::kMetropolitanDivisions, BuildMetropolitanDivisionCurrentPolygons, nullptr},
    {layer::kNectas, BuildNectaCurrentPolygons, nullptr},
    {layer::kCombinedNectas, BuildCombinedNectaCurrentPolygons, nullptr},
    {layer::kNectaDivisions, BuildNectaDivisionCurrentPolygons, nullptr},
};

// Economic census layers, after type E.
const GatedBuilder kEconomicCensusBuilders[] = {
    {layer::kCountyEconomic, BuildCountyEconomicCensusPolygons, nullptr},
    {layer::kPlaceEconomic, BuildPlaceEconomicCensusPolygons, nullptr},
    {layer::kCommercialRegions, BuildCommercialRegionPolygons, nullptr},
};

class CountyDriver : tigercore::CountyRun {
public:
    explicit CountyDriver(ConversionDialog& job) : CountyRun(job, RunState()) {}
    // False when the county ended on a failure.
    bool Run();

private:
    std::string RecordPath(const char* suffix) const { return RecordFilePath(suffix); }
    // Opens a record file into gRecordFile; on failure logs `message` (when
    // given) and returns false.
    bool Open(const char* suffix, const char* message) { return OpenRecordFile(suffix, message); }
    bool LineStage();
    bool PolygonStage();
    void MetadataStage();
    void CopyMetadataText();
    // Ends the county (`converted` or failed); whether it stands converted.
    bool EndCounty(bool converted);
};

bool CountyDriver::LineStage() {
    if (Flag(options::kRoads)) {
        if (Open("rt4", "Could not open Type 4 file. No alternate feature names will be produced") &&
            !Call(ReadType4Records))
            return false;
        if (Open("rt5", "Could not open Type 5 file. No alternate feature names will be produced") &&
            !Call(ReadType5Records))
            return false;
        if (Open("rt6", "Could not open Type 6 file. No alternate address ranges will be produced") &&
            !Call(ReadType6Records))
            return false;
        if (Open("rtz", "Could not open Type z file. No zip+4 information will be produced") &&
            !Call(ReadTypeZRecords))
            return false;
    }
    if (Open("rtu", "Could not open Type u file. No underpass-overpass information will be produced") &&
        !Call(ReadTypeURecords))
        return false;
    if (!Call(BuildLineLayers)) return false;
    if (Flag(options::kRoads) &&
        (!WriteRoadTable(gType4Count > 0 && gType5Count > 0, "Building Alternate Names File",
                         WriteAlternateNamesTable) ||
         !WriteRoadTable(gType6Count > 0, "Building Additional Address Info File", WriteAdditionalAddressTable) ||
         !WriteRoadTable(gTypeZCount > 0, "Building Zip+4 Info File", WriteZip4Table)))
        return false;
    return !Failed();
}

bool CountyDriver::PolygonStage() {
    SortType1ByTlid();
    PrepareSideIndexes();

    if (Open("rtc", "Could not open Type C file. No Polygon names exist")) {
        Services().ShowStatus("Reading Polygon Information");
        if (!Call(ReadTypeCRecords)) return false;
    }
    if (Open("rta", "Could not open Type A file. No Current Geography poygons will be produced")) {
        Services().ShowStatus("Reading Polygon Information");
        if (!OpenTypeAScratch(Services().ScratchPath("a.tmp"))) return false;
        if (!Call(ReadTypeARecords)) return false;
        if (gTypeACount > 0 && !Call(AssemblePolygonInfoA)) return false;
    }
    if (Open("rts", "Could not open Type S file. No Census 2000 poygons will be produced")) {
        Services().ShowStatus("Reading Polygon Information");
        if (!Call(ReadTypeSRecords)) return false;
    }
    if (Open("rtp", "Could not open Type P file. No Centroids or Water polygons will be produced")) {
        Services().ShowStatus("Reading Polygon Information");
        if (!Call(ReadTypePRecords)) return false;
    }
    if (gTypeSCount > 0 && !Call(AssemblePolygonInfoS)) return false;

    if (!CallBuilders(kGeographyBuilders)) return false;

    if (Open("rtb", "Could not open Type B file. No Census CQ poygons will be produced")) {
        Services().ShowStatus("Reading Polygon Information");
        if (!Call(ReadTypeBRecords)) return false;
        if (gTypeBCount > 0 && !Call(AssemblePolygonInfoB)) return false;
    }
    if (Flag(layer::kCorrections) && !Call(BuildCorrectionPolygons)) return false;

    if (Open("rt7", "Could not open Type 7 file. No Landmark Points will be created")) {
        Services().ShowStatus("Reading Landmark Information");
        if (!Call(ReadType7Records)) return false;
    }
    if (Open("rt8", "Could not open Type 8 file. No Landmark Polygons will be created")) {
        Services().ShowStatus("Reading Landmark Polygon Information");
        if (!Call(ReadType8Records)) return false;
        if (gType8Count > 0 && !Call(ResolveLandmarkSides)) return false;
    }
    if (Flag(layer::kLandmarks) && !Call(BuildLandmarkPolygons)) return false;
    if (Flag(layer::kWaterPolygons) && !Call(BuildWaterPolygons)) return false;

    if (gEditionCode >= 105) {
        if (!CallBuilders(kStatisticalAreaBuilders)) return false;
        if (Open("rte", "Could not open Type E file. No Economic Census Polygons will be created")) {
            Services().ShowStatus("Reading Economic Census Information");
            if (!Call(ReadTypeERecords)) return false;
            if (gTypeECount > 0 && !Call(AssemblePolygonInfoE)) return false;
            if (!CallBuilders(kEconomicCensusBuilders)) return false;
        }
    }
    if (gEditionCode == 106) {
        if (Flag(layer::kStateUpperHouseDistricts) && !Call(BuildUpperChamberDistrictCurrentPolygons)) return false;
        if (Flag(layer::kStateLowerHouseDistricts) && !Call(BuildLowerChamberDistrictCurrentPolygons)) return false;
    }
    if (Flag(layer::kAllPolygons)) {
        if (!OpenRequired("rtt", "Could not open Type t file. Processing for this county will terminate"))
            return false;
        if (!Call(ReadTypeTRecords)) return false;
        Stage allPolygons = gEditionCode == 104   ? BuildAllPolygonsTiger2002
                            : gEditionCode == 105 ? BuildAllPolygonsTiger2003
                                                  : BuildAllPolygonsTiger2006SecondEdition;
        // The last polygon layer: the metadata steps follow whatever it left.
        allPolygons();
    }
    return true;
}

void CountyDriver::MetadataStage() {
    // The metadata table and the .met copy run also after a failed
    // all-polygons layer; that failure stays the county's outcome, and a
    // failed type M read writes no table.
    const bool failedBefore = Failed();
    if (failedBefore) gConversionStatus = 0;
    if (Open("rtm", nullptr) && Call(ReadTypeMRecords) && gTypeMCount > 0) WriteMetadataTable();
    CopyMetadataText();
    if (failedBefore) gConversionStatus = -1;
}

void CountyDriver::CopyMetadataText() {
    const std::string source = platform::FindFileAnyCase(RecordPath("met"));
    if (source.empty()) {
        if (errno != ENOENT) CannotRead(RecordPath("met"));
        return;
    }
    const std::string outPath = gOutputDir + "/" + gCountyBaseName + ".met";
    // The county's own .met when the outputs go beside the record files:
    // never written over while it is read.
    if (platform::SameFile(source, outPath)) {
        WriteLogLine("Metadata file " + outPath + " is the county's own; it is not copied over itself");
        return;
    }
    platform::FilePtr in = platform::OpenFile(source, "rb");
    if (!in) {
        CannotRead(source);
        return;
    }
    if (shapeio::RefusesLink(Services(), outPath)) return;
    // Written in full under a private name, then put in place.
    platform::PrivateFile out;
    if (!out.Create(outPath)) {
        WriteLogLine(platform::Format("Could not create metadata file %s (%s)", outPath.c_str(), std::strerror(errno)));
        return;
    }
    // Line ends become CR LF: a CR goes before every LF that has none.
    int previous = EOF;
    int c;
    while ((c = std::getc(in.get())) != EOF) {
        if (c == '\n' && previous != '\r') std::putc('\r', out.get());
        std::putc(c, out.get());
        previous = c;
    }
    std::string problem;
    // A .met that cannot be read fails the county; a copy that cannot be
    // placed is only logged.
    const bool unread = std::ferror(in.get());
    if (unread) problem = "the county's .met could not be read: " + std::string(std::strerror(errno));
    else if (!shapeio::PlaceCountyFile(Services(), out)) problem = std::strerror(errno);
    if (!problem.empty()) {
        out.Discard();
        WriteLogLine(platform::Format("Could not copy metadata file %s (%s)", outPath.c_str(), problem.c_str()));
    }
    if (unread) Services().FailCounty();
}

bool CountyDriver::EndCounty(bool converted) {
    ReleaseRecordStore();
    ReleasePolygonSides();
    ReleaseWaterLandmarks();
    return EndCountyFiles(converted);
}

bool CountyDriver::Run() {
    ResetRecordStore();
    ResetPolygonSides();

    // The scratch files of this county, private to this process, and its
    // type 1 file.
    bool goOn = StartCounty(gOutputDir, gOrganisationMode == '3', ReadType1Records, "rti");
    // A missing type 2 file is also shown by its path.
    if (goOn && !Open("rt2", nullptr)) {
        // One that is there but cannot be read has said so.
        if (!Failed()) {
            Services().ShowMessage(RecordPath("rt2"));
            WriteLogLine("Could not open Type 2 file. Processing for this county will terminate");
        }
        missingRequired_ = true;
        goOn = false;
    }
    goOn = goOn && Call(ReadType2Records);
    if (goOn) tigercore::gShapePointBuffer.assign(10 * static_cast<size_t>(gMaxRtsq) + 2, shapeio::PointXY{});
    goOn = goOn && OpenRequired("rti", "Could not open Type i file. Processing for this county will terminate") &&
           Call(ReadTypeIRecords) && IdentifyCounty("rti", 6);

    bool anyLine = false;
    for (int i = options::kRoads; i <= options::kUnclassifiedLines; ++i) anyLine = anyLine || Flag(i);
    if (goOn && anyLine) goOn = LineStage();

    // Any polygon flag but the edition's.
    bool anyPolygon = false;
    const int edition = static_cast<int>(options::kLaterOptions.edition);
    for (int i = layer::kFirstPolygonFlag; i <= layer::kLastPolygonFlag; ++i)
        anyPolygon = anyPolygon || (i != edition && Flag(i));
    if (goOn && anyPolygon) goOn = !Failed() && PolygonStage();

    if (goOn) MetadataStage();
    return EndCounty(!missingRequired_ && !Failed());
}

}  // namespace

bool ConvertCounty(ConversionDialog& job) {
    gCurrentJob = &job;
    return CountyDriver(job).Run();
}

}  // namespace vornak2
