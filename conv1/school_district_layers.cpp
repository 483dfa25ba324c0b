// School districts (elementary, middle, secondary, unified) from the type A
// rows. Entry: the line's county code and the district code right after it.
// From release 100 the elementary, secondary and unified records carry the
// district's name; the middle school districts (releases 94 and 95 only)
// never do.
#include "conv1/entity_names.h"
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/level_layers.h"
#include "conv1/stages.h"

namespace vornak {

using polygons::CompareTextAt5;
using polygons::PolygonLayerDescriptor;

namespace {

constexpr int kFirstNamedRelease = 100;

const DbfFieldDef kElementaryCodeFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"ELEMENTARY", 'C', 5, 0}, {nullptr, 0, 0, 0}};
const DbfFieldDef kElementaryFields[] = {{"GIST_ID", 'N', 8, 0},
                                         {"COUNTY", 'C', 5, 0},
                                         {"ELEMENTARY", 'C', 5, 0},
                                         {"NAME", 'C', 60, 0},
                                         {nullptr, 0, 0, 0}};
const DbfFieldDef kMiddleFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"MIDDLE", 'C', 5, 0}, {nullptr, 0, 0, 0}};
const DbfFieldDef kSecondaryCodeFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"SECONDARY", 'C', 5, 0}, {nullptr, 0, 0, 0}};
const DbfFieldDef kSecondaryFields[] = {{"GIST_ID", 'N', 8, 0},
                                        {"COUNTY", 'C', 5, 0},
                                        {"SECONDARY", 'C', 5, 0},
                                        {"NAME", 'C', 60, 0},
                                        {nullptr, 0, 0, 0}};
const DbfFieldDef kUnifiedCodeFields[] = {
    {"GIST_ID", 'N', 8, 0}, {"COUNTY", 'C', 5, 0}, {"UNIFIED", 'C', 5, 0}, {nullptr, 0, 0, 0}};
const DbfFieldDef kUnifiedFields[] = {{"GIST_ID", 'N', 8, 0},
                                      {"COUNTY", 'C', 5, 0},
                                      {"UNIFIED", 'C', 5, 0},
                                      {"NAME", 'C', 60, 0},
                                      {nullptr, 0, 0, 0}};

void FillDistrictCode(const BorderLineEntry& first, DbfRecord& record) {
    record.Add(FieldText(EntryText(first, 0, 5))).Add(FieldText(EntryText(first, 5, 5)));
}

// The one name lookup of all three named layers: by the code's number.
void FillNamedDistrict(const BorderLineEntry& first, DbfRecord& record) {
    FillDistrictCode(first, record);
    record.Add(TrimmedName(NameByYear(kSchoolDistrictEntity, EntryText(first, 5, 5), "", 2000)));
}

// One school district layer: its texts, its level and its records by release.
struct SchoolDistrictLayer {
    const char* title;
    const char* status;
    const char* noRecords;
    const char* overflow;
    const char* noLines;
    const char* allWater;
    const char* abbreviation;
    const char* folder;
    const char* nameField;
    const DbfFieldDef* codeFields;   // below release 100
    const DbfFieldDef* namedFields;  // from release 100; null: the code fields
};

constexpr PolygonLayerDescriptor Descriptor(const SchoolDistrictLayer& s, const DbfFieldDef* fields) {
    return PolygonLayerDescriptor()
        .Title("")
        .SecondTitle(s.title, TitleMoment::kAfterAllocation)
        .StatusText(s.status)
        .NoRecordsText(s.noRecords)
        .OverflowText(s.overflow)
        .NoEntriesClipText(s.allWater)
        .NoEntriesText(s.noLines)
        .Abbreviation(s.abbreviation)
        .ThemeFolder(s.folder)
        .Fields(fields, s.nameField)
        .Order(CompareTextAt5);
}

constexpr SchoolDistrictLayer kElementary = {
    "Elementary School Districts",
    "Gathering Elementary School Boundary Lines",
    "There are no Elementary School records\n",
    "the number of Elementary border lines exceeds the count",
    "There are no lines for elementary school polygons\n",
    "All elementary school polygons for this county coincide with water polygons\n"
    "Try turning off the water polygon clipping option\n",
    "elm",
    "elementary",
    "ELEMENTARY",
    kElementaryCodeFields,
    kElementaryFields};
constexpr SchoolDistrictLayer kMiddle = {
    "Middle School Districts",
    "Gathering Middle School Boundary Lines",
    "There are no Middle School records\n",
    "the number of Middle border lines exceeds the count",
    "There are no lines for Middle School polygons\n",
    "All Middle School districts for this county coincide with water polygons\n"
    "Try turning off the water polygon clipping option\n",
    "mid",
    "middle",
    "MIDDLE",
    kMiddleFields,
    nullptr};
constexpr SchoolDistrictLayer kSecondary = {
    "Secondary School Districts",
    "Gathering Secondary School Boundary Lines",
    "There are no Secondary School records\n",
    "the number of Secondary border lines exceeds the count",
    "There are no lines for Secondary School polygons\n",
    "All Secondary School polygon for this county coincide with water polygons\n"
    "Try turning off the water polygon clipping option\n",
    "sec",
    "secondary",
    "SECONDARY",
    kSecondaryCodeFields,
    kSecondaryFields};
constexpr SchoolDistrictLayer kUnified = {
    "Unified School Districts",
    "Gathering Unified School Boundary Lines",
    "There are no Unified School records\n",
    "the number of Unified border lines exceeds the count",
    "There are no lines for Unified School District polygons\n",
    "All Unified School District polygons for this county coincide with water polygons\n"
    "Try turning off the water polygon clipping option\n",
    "uni",
    "unified",
    "UNIFIED",
    kUnifiedCodeFields,
    kUnifiedFields};

template <int Level>
void DistrictSide(const SideOf& side, SideCode& out) {
    LevelSideCode<SideTable::kTypeA, Level, CountyFrom::kLine, 5, 5>(side, out);
}

// The layer of the county's release.
template <int Level>
SideLayer SchoolLayer(const SchoolDistrictLayer& s) {
    const bool named = s.namedFields && gEditionCode >= kFirstNamedRelease;
    return {Descriptor(s, named ? s.namedFields : s.codeFields), SideTable::kTypeA, CountA<Level>,
            DistrictSide<Level>, named ? FillNamedDistrict : FillDistrictCode};
}

SideLayer ElementaryLayer() { return SchoolLayer<kElementarySchoolLevel>(kElementary); }
SideLayer MiddleLayer() { return SchoolLayer<kMiddleSchoolLevel>(kMiddle); }
SideLayer SecondaryLayer() { return SchoolLayer<kSecondarySchoolLevel>(kSecondary); }
SideLayer UnifiedLayer() { return SchoolLayer<kUnifiedSchoolLevel>(kUnified); }

}  // namespace

void BuildElementarySchoolDistrictPolygons() { BuildPolygonLayer(ElementaryLayer()); }
void BuildMiddleSchoolDistrictPolygons() { BuildPolygonLayer(MiddleLayer()); }
void BuildSecondarySchoolDistrictPolygons() { BuildPolygonLayer(SecondaryLayer()); }
void BuildUnifiedSchoolDistrictPolygons() { BuildPolygonLayer(UnifiedLayer()); }

void AddSchoolDistrictLayers(std::vector<SideLayer>& layers) {
    for (const SideLayer& layer : {ElementaryLayer(), MiddleLayer(), SecondaryLayer(), UnifiedLayer()})
        layers.push_back(layer);
}

}  // namespace vornak
