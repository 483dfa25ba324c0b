// American Indian areas of 1990 (type A sides) and current or Census 2000
// ones (type S sides). An area is its 4-character area code and its
// 5-character FIPS code; the current layer adds the trust land flag, so
// trust land and the rest of an area are separate polygons. Entries hold the
// county code at 0, the area code at 6, the FIPS code at 11 and the trust
// flag at 17; the key is composed from them.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv1/polygon_layers.h"
#include "conv1/stages.h"
#include "tigercore/sort_keys.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vornak {

using polygons::PolygonLayerDescriptor;

namespace {

constexpr int kCountyOffset = 0;
constexpr int kAreaOffset = 6;
constexpr int kFipsOffset = 11;
constexpr int kTrustOffset = 17;
constexpr int kAreaWidth = 4;
constexpr int kFipsWidth = 5;
constexpr size_t kAreaAndFips = kAreaWidth + kFipsWidth;

// A side without a trust land flag (no type S row, or a blank column).
constexpr char kNoTrust = '0';

// The entry's codes of a side and its key: "%4s%5s" of area and FIPS code,
// followed by the trust flag when the layer has one.
void PutAreaCodes(const char* county, const char* area, const char* fips, char trust, SideCode& out) {
    PutCodeText(out.entry + kCountyOffset, county, 5);
    tigercore::JoinedKey<64>().Right(area, 4).CopyTo(out.entry + kAreaOffset, kAreaWidth + 1);
    tigercore::JoinedKey<64>().Right(fips, 5).CopyTo(out.entry + kFipsOffset, kFipsWidth + 1);
    out.entry[kTrustOffset] = trust;
    tigercore::JoinedKey<64>().Right(area, 4).Right(fips, 5).CopyTo(out.key, sizeof out.key);
    if (trust != '\0') {
        out.key[kAreaAndFips] = trust;
        out.key[kAreaAndFips + 1] = '\0';
    }
}

// 1990: area code, FIPS code and county of the side's type A row.
void AmericanIndianArea1990Code(const SideOf& side, SideCode& out) {
    if (!side.row) return PutAreaCodes("", "", "", '\0', out);
    const TypeARecord& a = RowA(side);
    char county[6];
    PutTypeACounty(side, county);
    PutAreaCodes(county, a.AIR, a.FAIR, '\0', out);
}

// Current: the codes and trust flag of the side's type S row, the county of
// the line's type I row.
void AmericanIndianAreaCurrentCode(const SideOf& side, SideCode& out) {
    if (!side.row) return PutAreaCodes("", "", "", kNoTrust, out);
    const TypeSRecord& s = RowS(side);
    char county[6];
    PutLineCounty(side.line, county);
    const char trust = s.AIHHTLI == ' ' || s.AIHHTLI == '\0' ? kNoTrust : s.AIHHTLI;
    PutAreaCodes(county, s.AIANHH, s.AIANHHFP, trust, out);
}

bool BlankAreaAndFips(const SideCode& side) { return std::strspn(side.key, " ") >= kAreaAndFips; }

// Keys that differ only in the trust flag of two sides without area and
// FIPS codes make no border unless water clipping is on.
bool AmericanIndianAreaCurrentBorder(const SideCode& left, const SideCode& right, bool clip, bool shore) {
    if (std::strcmp(left.key, right.key) == 0) return shore;
    return clip || !BlankAreaAndFips(left) || !BlankAreaAndFips(right);
}

// The key of an entry from its fields.
template <bool kWithTrust>
void EntryKey(const BorderLineEntry& entry, char (&key)[12]) {
    const tigercore::JoinedKey<sizeof key> joined =
        tigercore::JoinedKey<sizeof key>().Right(entry.code + kAreaOffset, 4).Right(entry.code + kFipsOffset, 5);
    std::memcpy(key, joined.text(), std::strlen(joined.text()) + 1);
    if constexpr (kWithTrust) {
        key[kAreaAndFips] = entry.code[kTrustOffset];
        key[kAreaAndFips + 1] = '\0';
    }
}
template <bool kWithTrust>
int CompareAreaKey(const BorderLineEntry& a, const BorderLineEntry& b) {
    char ka[12], kb[12];
    EntryKey<kWithTrust>(a, ka);
    EntryKey<kWithTrust>(b, kb);
    return std::strcmp(ka, kb);
}
int CompareAirKey(const BorderLineEntry& a, const BorderLineEntry& b) { return CompareAreaKey<false>(a, b); }
int CompareAianhhKey(const BorderLineEntry& a, const BorderLineEntry& b) { return CompareAreaKey<true>(a, b); }

// ------------------------------------------------------------------ records

const DbfFieldDef kAir1990Fields[] = {
    {"GIST_ID", 'N', 8, 0},  {"COUNTY", 'C', 5, 0}, {"AIR_90", 'C', 4, 0},
    {"FIPSCODE", 'C', 5, 0}, {"NAME", 'C', 66, 0},  {nullptr, 0, 0, 0},
};
const DbfFieldDef kAianhhce1990Fields[] = {
    {"GIST_ID", 'N', 8, 0},  {"COUNTY", 'C', 5, 0}, {"AIANHHCE", 'C', 4, 0},
    {"FIPSCODE", 'C', 5, 0}, {"NAME", 'C', 66, 0},  {nullptr, 0, 0, 0},
};
const DbfFieldDef kAirCurrentFields[] = {
    {"GIST_ID", 'N', 8, 0},  {"COUNTY", 'C', 5, 0}, {"AIR", 'C', 4, 0},  {"FIPSCODE", 'C', 5, 0},
    {"TRUST", 'C', 1, 0},    {"NAME", 'C', 66, 0},  {nullptr, 0, 0, 0},
};
const DbfFieldDef kAianhhce2000Fields[] = {
    {"GIST_ID", 'N', 8, 0},  {"COUNTY", 'C', 5, 0}, {"AIANHHCE", 'C', 4, 0}, {"FIPSCODE", 'C', 5, 0},
    {"TRUST", 'C', 1, 0},    {"NAME", 'C', 66, 0},  {nullptr, 0, 0, 0},
};

// Up to release 99 by the area code alone and without a year; from 100 by
// area and FIPS code and the layer's year.
std::string AreaName(const std::string& area, const std::string& fips, int year) {
    if (gEditionCode >= 100) return NameByYear(kAmericanIndianAreaEntity, area, fips, year);
    return NameWithoutYear(kAmericanIndianAreaEntity, area, "");
}

template <int kYear>
void FillArea(const BorderLineEntry& first, DbfRecord& record) {
    const std::string area = EntryText(first, kAreaOffset, kAreaWidth);
    const std::string fips = EntryText(first, kFipsOffset, kFipsWidth);
    record.Add(EntryText(first, kCountyOffset, 5)).Add(area).Add(fips);
    if constexpr (kYear == 2000) record.Add(std::string(1, first.code[kTrustOffset]));
    record.Add(AreaName(area, fips, kYear));
}

// ------------------------------------------------------------------- layers

SideLayer AmericanIndianArea1990() {
    const bool aianhh = gEditionCode >= 100;
    return {PolygonLayerDescriptor()
                .Title("")
                .SecondTitle("AIR 1990", TitleMoment::kAfterAllocation)
                .StatusText("Gathering AIR 1990 Boundary Lines")
                .NoRecordsText(aianhh ? "There are no AIANHH 90 records\n" : "There are no AIR 90 records\n")
                .OverflowText("the number of AIR border lines exceeds the count")
                .NoEntriesClipText("Try turning off the water polygon clipping option before extracting AIR polys\n")
                .NoEntriesText("There are no AIR border lines\n")
                .Abbreviation("air")
                .ThemeFolder(aianhh ? "aianhhce90" : "air90")
                .Fields(aianhh ? kAianhhce1990Fields : kAir1990Fields, "NAME")
                .Order(CompareAirKey),
            SideTable::kTypeA, CountA<kAmericanIndianArea1990Level>, AmericanIndianArea1990Code, FillArea<1990>};
}

// Titles, texts and abbreviation change at release 99; the no-records text,
// the field names and the folder take the AIANHHCE names from 100.
SideLayer AmericanIndianAreaCurrent() {
    const bool census2000 = gEditionCode >= 99;
    const bool aianhh = gEditionCode >= 100;
    SideLayer layer = {
        PolygonLayerDescriptor()
            .Title("")
            .SecondTitle(census2000 ? "AIR 2000" : "AIR Current", TitleMoment::kAfterAllocation)
            .StatusText(census2000 ? "Gathering AIR 2000 Boundary Lines" : "Gathering AIR Current Boundary Lines")
            .NoRecordsText(aianhh ? "There are no AIANHH 2000 records\n" : "There are no AIR current records\n")
            .OverflowText("the number of AIR Current border lines exceeds the count")
            .NoEntriesClipText("No AIR polygons found.  You might try turning off the water polygon clipping option\n")
            .NoEntriesText("There are no AIR border lines\n")
            .Abbreviation(census2000 ? "air00" : "aircu")
            .ThemeFolder(aianhh ? "aianhhce00" : (census2000 ? "air00" : "aircu"))
            .Fields(aianhh ? kAianhhce2000Fields : kAirCurrentFields, "NAME")
            .Order(CompareAianhhKey),
        SideTable::kTypeS, CountS<kAmericanIndianAreaCurrentLevel>, AmericanIndianAreaCurrentCode, FillArea<2000>};
    layer.isBorder = AmericanIndianAreaCurrentBorder;
    return layer;
}

}  // namespace

void AddAmericanIndianAreaLayers(std::vector<SideLayer>& layers) {
    if (gEditionCode >= 97) layers.push_back(AmericanIndianArea1990());
    layers.push_back(AmericanIndianAreaCurrent());
}

void BuildAmericanIndianArea1990Polygons() { BuildPolygonLayer(AmericanIndianArea1990()); }
void BuildAmericanIndianAreaCurrentPolygons() { BuildPolygonLayer(AmericanIndianAreaCurrent()); }

}  // namespace vornak
