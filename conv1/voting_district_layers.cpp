// Voting districts: those of the 1990s from the lines' type 3 rows (the
// district of each side in the side's own state and county), and those of
// Census 2000 from the type S rows. Both entries hold the side's county code
// at 0 and the district at 6.
#include "conv1/conversion_dialog.h"
#include "conv1/entity_names.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/level_layers.h"
#include "conv1/record_store.h"
#include "conv1/stages.h"
#include "conv1/type3_layers.h"
#include "platform/text.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>

namespace vornak {

using polygons::CompareTextAt6;
using polygons::PolygonLayerDescriptor;

namespace {

constexpr int kCensusYear = 2000;

// ------------------------------------------------- voting districts 1990s
// A side is its state, county and district: a line between two counties is
// a border even where the district codes agree.

void VotingDistrict1990Side(const Type3Record& row, int, bool left, SideCode& out) {
    const char* state = left ? row.STATE90L : row.STATE90R;
    const char* county = left ? row.COUN90L : row.COUN90R;
    const char* district = left ? row.VTDL : row.VTDR;
    tigercore::JoinedKey<64>().Text(state).Text(county).Text(district).CopyTo(out.key, sizeof out.key);
    tigercore::JoinedKey<64>().Text(state).Text(county).CopyTo(out.entry, 6);
    PutCodeText(out.entry + 6, district, 4);
    out.noCode = std::strcmp(district, "    ") == 0;
}

int CountVotingDistrict1990() { return gLandmarkBorderLineCount; }

const DbfFieldDef kVotingDistrictFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"VOTE_DIST", 'C', 4, 0}, {"NAME", 'C', 66, 0}, {nullptr, 0, 0, 0},
};

void FillVotingDistrict1990(const BorderLineEntry& first, DbfRecord& record) {
    const std::string county = EntryText(first, 0, 5);
    const std::string code = EntryText(first, 6, 4);
    record.Add(FieldText(county)).Add(FieldText(code));
    record.Add(FieldText(NameWithoutYear(kVotingDistrictEntity, code, county)));
}

// The dialog's organisation text keeps the count of the walk.
void ShowVotingDistrictsWalked(int taken, int gathered) {
    if (gCurrentJob)
        gCurrentJob->SetDlgItemText(ConversionDialog::kOutputOptionId,
                                    platform::Format("processed %d of %d records", taken, gathered));
}

const Type3Layer kVotingDistrict1990 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Voting Districts", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Voting District Boundary Lines")
        .NoRecordsText("There are no Voting District records\n")
        .OverflowText("the number of Voting District border lines exceeds the count")
        .NoEntriesClipText("All voting districts for this county coincide with water polygons\n"
                           "Try turning off the water polygon clipping option\n")
        .NoEntriesText("There are no lines for voting districts\n")
        .Abbreviation("vot")
        .ThemeFolder("voting")
        .Fields(kVotingDistrictFields, "VOTE_DIST")
        .Order(CompareTextAt6),
    CountVotingDistrict1990, VotingDistrict1990Side, nullptr, FillVotingDistrict1990, ShowVotingDistrictsWalked};

// -------------------------------------------------- voting districts 2000
// Sorted by county and district, dissolved by the district: the parts of
// one district in two counties are one polygon only where they meet in
// that order.

const DbfFieldDef kVotingDistrict2000Fields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"VOTE00", 'C', 6, 0},
    {"NAME", 'C', 66, 0},   {"PDC", 'C', 1, 0},    {nullptr, 0, 0, 0},
};

void FillVotingDistrict2000(const BorderLineEntry& first, DbfRecord& record) {
    const std::string county = EntryText(first, 0, 5);
    const std::string code = EntryText(first, 6, 6);
    const std::string name = NameByYear(kVotingDistrictEntity, code, county, kCensusYear);
    record.Add(FieldText(county)).Add(FieldText(code)).Add(FieldText(name));
    record.Add(FieldText(std::string(1, gEntityPlaceDc)));
}

const SideLayer kVotingDistrict2000 = {
    PolygonLayerDescriptor()
        .Title("")
        .SecondTitle("Voting Districts 2000", TitleMoment::kAfterAllocation)
        .StatusText("Gathering Voting District 2000 Boundary Lines")
        .NoRecordsText("There are no Voting District records\n")
        .OverflowText("the number of voting district 2000 border lines exceeds the count")
        .NoEntriesClipText("There are no Voting Districts 2000 in this file\n")
        .NoEntriesText("There are no Voting Districts 2000 in this file\n")
        .Abbreviation("vot00")
        .ThemeFolder("voting00")
        .Fields(kVotingDistrict2000Fields, "VOTE00")
        .Order(CompareCodesInTurn<0, 6>)
        .GroupBy(CompareTextAt6),
    SideTable::kTypeS, CountS<kVotingDistrict2000Level>,
    LevelSideCode<SideTable::kTypeS, kVotingDistrict2000Level, CountyFrom::kRowS, 6, 6>, FillVotingDistrict2000};

}  // namespace

void BuildVotingDistrict1990Polygons() { BuildType3Layer(kVotingDistrict1990); }
void BuildVotingDistrict2000Polygons() { BuildPolygonLayer(kVotingDistrict2000); }

void AddVotingDistrictLayers(std::vector<SideLayer>& layers) { layers.push_back(kVotingDistrict2000); }

void AddVotingDistrictDescriptors(std::vector<PolygonLayerDescriptor>& layers) {
    layers.push_back(kVotingDistrict1990.layer);
}

}  // namespace vornak
