// The stages of a county that the driver calls: record readers, polygon side
// assembly, line layers and road tables, polygon layer builders. Each takes
// no arguments, works on the county's tables and job state, and signals a
// lost county only by setting gConversionStatus to -1.
#pragma once

namespace vornak2 {

// Record readers: gRecordFile is open at the start of the type's file.
void ReadType1Records();
void ReadType2Records();
void ReadTypeIRecords();
void ReadType4Records();
void ReadType5Records();
void ReadType6Records();
void ReadTypeTRecords();
void ReadTypeURecords();
void ReadTypeZRecords();
void ReadTypeCRecords();
void ReadTypeARecords();
void ReadTypeSRecords();
void ReadTypePRecords();
void ReadTypeBRecords();
void ReadType7Records();
void ReadType8Records();
void ReadTypeERecords();
void ReadTypeMRecords();

// Polygon side assembly.
void AssemblePolygonInfoA();
void AssemblePolygonInfoS();
void AssemblePolygonInfoB();
void AssemblePolygonInfoE();
void ResolveLandmarkSides();
// The side indexes and border-line counts of a county: cleared at its start,
// released at its end.
void ResetPolygonSides();
void ReleasePolygonSides();

// Line layers and road attribute tables.
void BuildLineLayers();
void WriteAlternateNamesTable();
void WriteAdditionalAddressTable();
void WriteZip4Table();
void WriteMetadataTable();

// Current geography, from the type A sides.
void BuildCountyCurrentPolygons();
void BuildTractCurrentPolygons();
void BuildBlockGroupCurrentPolygons();
void BuildBlockCurrentPolygons();
void BuildAmericanIndianAreaCurrentPolygons();
void BuildAnrcCurrentPolygons();
void BuildAitsCurrentPolygons();
void BuildConsolidatedCityCurrentPolygons();
void BuildCountySubdivisionCurrentPolygons();
void BuildSubbarrioCurrentPolygons();
void BuildPlaceCurrentPolygons();
void BuildElementarySchoolDistrictCurrentPolygons();
void BuildSecondarySchoolDistrictCurrentPolygons();
void BuildUnifiedSchoolDistrictCurrentPolygons();
void BuildCmsaMsaCurrentPolygons();
void BuildPmsaCurrentPolygons();
void BuildNecmaCurrentPolygons();
void BuildCongressionalDistrictCurrentPolygons();
void BuildZctaCurrentPolygons();
void BuildThreeDigitZctaCurrentPolygons();
void BuildCbsaCurrentPolygons();
void BuildCsaCurrentPolygons();
void BuildMetropolitanDivisionCurrentPolygons();
void BuildNectaCurrentPolygons();
void BuildCombinedNectaCurrentPolygons();
void BuildNectaDivisionCurrentPolygons();
void BuildUpperChamberDistrictCurrentPolygons();
void BuildLowerChamberDistrictCurrentPolygons();

// Census 2000 and other vintages.
void BuildCounty2000Polygons();
void BuildTract2000Polygons();
void BuildBlockGroup2000Polygons();
void BuildBlock2000Polygons();
void BuildAmericanIndianArea2000Polygons();
void BuildAnrc2000Polygons();
void BuildAits2000Polygons();
void BuildConsolidatedCity2000Polygons();
void BuildCountySubdivision2000Polygons();
void BuildSubbarrio2000Polygons();
void BuildPlace2000Polygons();
void BuildElementarySchoolDistrict2000Polygons();
void BuildSecondarySchoolDistrict2000Polygons();
void BuildUnifiedSchoolDistrict2000Polygons();
void BuildCmsaMsa2000Polygons();
void BuildPmsa2000Polygons();
void BuildNecma2000Polygons();
void BuildCongressionalDistrict106Polygons();
void BuildCongressionalDistrict108Polygons();
void BuildPuma5PercentPolygons();
void BuildPuma1PercentPolygons();
void BuildZcta2000Polygons();
void BuildThreeDigitZcta2000Polygons();
void BuildTrafficAnalysisZonePolygons();
void BuildUrbanArea2000Polygons();
void BuildUrbanAreaCurrentPolygons();
void BuildVotingDistrict2000Polygons();
void BuildUpperChamberDistrictPolygons();
void BuildLowerChamberDistrictPolygons();
void BuildUrbanGrowthArea2000Polygons();

// Corrections, landmarks, water, economic census and all polygons.
void BuildCorrectionPolygons();
void BuildLandmarkPolygons();
void BuildWaterPolygons();
void BuildCountyEconomicCensusPolygons();
void BuildPlaceEconomicCensusPolygons();
void BuildCommercialRegionPolygons();
void BuildAllPolygonsTiger2002();
void BuildAllPolygonsTiger2003();
void BuildAllPolygonsTiger2006SecondEdition();

}  // namespace vornak2
