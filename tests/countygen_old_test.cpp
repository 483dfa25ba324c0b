// The synthetic counties of the 1994-2000 editions: what their files hold,
// read back by GDAL's TIGER reader (written by others from the same record
// layouts) wherever GDAL's layout of a release agrees with the library's,
// and by hand where it does not (GDAL has one type A layout before 2002,
// reads types C and S of releases 98 and 99 with the 1998 layouts, has no
// class of its own for releases 99 and 100, and takes the urban areas of
// release 103 for collection blocks).
#include "county_model.h"
#include "county_writer.h"
#include "old_edition_layouts.h"
#include "support/commands.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using countygen::CountyModel;
using countygen::CountySpec;
using countygen::EntityKind;
using countygen::OldCellCodes;
using countygen::OldEntityName;
using countygen::OldSideCodes;
using testsupport::Trim;

namespace {

constexpr char kEditions[] = "012345678";

// A county with every kind of code: an American Indian area, an ANRC,
// places in and out, sub-subdivisions, schools, hospitals, water and parks.
CountySpec OldSpec(char edition) {
    CountySpec spec;
    spec.width = 32;
    spec.height = 22;
    spec.edition = edition;
    spec.seed = 0;  // GDAL reads types 1, 2, 3 and A, S in one order
    return spec;
}

struct Zip4Row {
    std::string tlid, left, right;
};

// What the model wrote, by feature of GDAL's layers.
struct Written {
    explicit Written(const CountySpec& spec) : model(spec), file(spec.state + spec.county) {
        for (int l = 0; l < model.LineCount(); ++l) {
            lines.push_back(model.Line(l));
            left.push_back(model.OldSide(lines.back().leftCell));
            right.push_back(model.OldSide(lines.back().rightCell));
        }
        for (int c = 0; c < model.CellCount(); ++c) cells.push_back(model.OldCell(c));
        names = model.OldEntityNames();
        locations = model.KeyLocations();
        marks = model.Landmarks();
        for (const countygen::Landmark& m : marks) {
            if (m.area) areas.push_back(model.Cell(m.cell));
        }
        features = model.Features();
        for (int line : model.AdditionalAddressLines()) additional.push_back(model.Line(line));
        for (int line : model.Zip4Lines()) {
            zip4.push_back({model.Tlid(line), CountyModel::Zip4Left(line), CountyModel::Zip4Right(line)});
        }
    }
    CountyModel model;
    std::string file;
    std::vector<countygen::LineInfo> lines, additional;
    std::vector<OldSideCodes> left, right;
    std::vector<OldCellCodes> cells;
    std::vector<OldEntityName> names;
    std::vector<countygen::KeyLocation> locations;
    std::vector<countygen::Landmark> marks;
    std::vector<countygen::CellCodes> areas;
    std::vector<countygen::Feature> features;
    std::vector<Zip4Row> zip4;
};

using Value = std::function<std::string(const Written&, size_t)>;

std::string Text(const std::string& text) { return text; }
std::string Text(char c) { return std::string(1, c); }
std::string Text(long long n) { return std::to_string(n); }
std::string Text(int n) { return std::to_string(n); }

// Field `field` of feature k's row in `rows`.
template <class Row, class Field>
Value Of(const std::vector<Row> Written::*rows, Field Row::*field) {
    return [rows, field](const Written& w, size_t k) { return Text((w.*rows)[k].*field); };
}

// One field of a GDAL layer, compared in the releases whose GDAL layout
// reads it from the columns the library reads it from.
struct Check {
    std::string layer, field;
    int from, to;
    Value value;
};

template <class Row>
using TextFields = std::vector<std::pair<const char*, std::string Row::*>>;

// Text fields of one layer, from the rows `rows`, in releases from to to.
template <class Row>
void Add(std::vector<Check>& checks, const char* layer, int from, int to, const std::vector<Row> Written::*rows,
         const TextFields<Row>& fields) {
    for (const auto& [field, member] : fields) checks.push_back({layer, field, from, to, Of(rows, member)});
}

std::vector<Check> AllChecks() {
    using L = countygen::LineInfo;
    using S = OldSideCodes;
    using C = OldCellCodes;
    using E = OldEntityName;
    using K = countygen::KeyLocation;
    const Value file = [](const Written& w, size_t) { return w.file; };
    std::vector<Check> c = {
        {"CompleteChain", "SOURCE", 94, 103, [](const Written&, size_t) { return std::string("J"); }},
        {"PolyChainLink", "FILE", 94, 103, file},
        {"KeyFeatures", "FILE", 94, 103, file},
        {"AreaLandmarks", "FILE", 94, 103, file},
        {"FeatureIds", "FILE", 94, 103, file},
        {"Polygon", "URBFLAG", 94, 101, Of(&Written::cells, &C::UR90)},
        {"Polygon", "WATER", 94, 103, Of(&Written::cells, &C::WATER)},
        {"Polygon", "TRUST", 94, 103, Of(&Written::cells, &C::AIHHTLI)},
        {"Polygon", "BLKGRP", 100, 103, Of(&Written::cells, &C::BLKGRP00)},
        {"Polygon", "BLKSUFCOL", 100, 102, Of(&Written::cells, &C::BLKSUFCOL)},
        {"EntityNames", "ENTITY", 97, 97, Of(&Written::names, &E::ENTITY)},
        {"EntityNames", "ENTITY", 100, 103, Of(&Written::names, &E::ENTITY)},
        {"EntityNames", "PDC", 94, 97, Of(&Written::names, &E::PLACEDC)},
        {"EntityNames", "PDC", 100, 103, Of(&Written::names, &E::PLACEDC)},
        {"Landmarks", "LAND", 94, 103, Of(&Written::marks, &countygen::Landmark::land)},
    };
    Add<L>(c, "CompleteChain", 94, 103, &Written::lines,
           {{"TLID", &L::tlid}, {"FENAME", &L::fename}, {"FETYPE", &L::fetype}, {"CFCC", &L::cfcc},
            {"FRADDL", &L::fraddl}, {"TOADDL", &L::toaddl}, {"FRADDR", &L::fraddr}, {"TOADDR", &L::toaddr},
            {"ZIPL", &L::zipl}, {"ZIPR", &L::zipr}});
    // The two sides of a line: GDAL's names end in L and R.
    for (auto [field, member, from, to] : std::vector<std::tuple<std::string, std::string S::*, int, int>>{
             {"FAIR", &S::FAIR, 94, 103}, {"STATE", &S::STATE, 94, 103}, {"COUNTY", &S::COUNTY, 94, 103},
             {"FMCD", &S::FMCD, 94, 103}, {"FSMCD", &S::FSMCD, 94, 103}, {"FPL", &S::FPL, 94, 103},
             {"CTBNA", &S::TRACT, 94, 103}, {"BLK", &S::BLOCK, 94, 103}, {"STATE90", &S::STATE90, 94, 103},
             {"COUN90", &S::COUN90, 94, 103}, {"AIR", &S::AIR, 94, 103}, {"VTD", &S::VTD, 94, 99},
             {"ANRC", &S::ANRC, 100, 103}, {"AITSCE", &S::AITSCE, 100, 103}, {"AITS", &S::AITS, 100, 103}}) {
        c.push_back({"CompleteChain", field + "L", from, to, Of(&Written::left, member)});
        c.push_back({"CompleteChain", field + "R", from, to, Of(&Written::right, member)});
    }
    for (auto [field, member] : {std::pair{"TRUST", &S::TRUST}, std::pair{"TRUST90", &S::TRUST90}}) {
        c.push_back({"CompleteChain", std::string(field) + "L", 94, 103, Of(&Written::left, member)});
        c.push_back({"CompleteChain", std::string(field) + "R", 94, 103, Of(&Written::right, member)});
    }
    Add<L>(c, "PolyChainLink", 94, 103, &Written::lines, {{"TLID", &L::tlid}});
    Add<S>(c, "PolyChainLink", 94, 103, &Written::left, {{"CENIDL", &S::CENID}, {"POLYIDL", &S::POLYID}});
    Add<S>(c, "PolyChainLink", 94, 103, &Written::right, {{"CENIDR", &S::CENID}, {"POLYIDR", &S::POLYID}});
    Add<C>(c, "Polygon", 94, 103, &Written::cells,
           {{"STATE", &C::STATE}, {"COUNTY", &C::COUNTY}, {"CENID", &C::CENID}, {"POLYID", &C::POLYID},
            {"FAIR", &C::FAIR}, {"FMCD", &C::FMCD}, {"FPL", &C::FPL}, {"CTBNA90", &C::TRACT}, {"BLK90", &C::BLOCK},
            {"CD106", &C::CD106}, {"CD108", &C::CD108}, {"SDELM", &C::SDELM}, {"SDSEC", &C::SDSEC},
            {"SDUNI", &C::SDUNI}, {"TAZ", &C::TAZ}, {"STATE90", &C::STATEPOLY}, {"COUN90", &C::COUNTYPOLY},
            {"AIR90", &C::AIR}, {"CMSAMSA", &C::MSACMSA}, {"PMSA", &C::PMSA}, {"AIANHH", &C::AIANHHFP},
            {"AIR", &C::AIANHH}, {"ANRC", &C::ANRC}, {"STATECU", &C::STATECU}, {"COUNTYCU", &C::COUNTYCU},
            {"FCCITY", &C::CONCIT}, {"FSMCD", &C::SUBMCD}, {"PLACE", &C::PLACE}, {"CTBNA00", &C::TRACT00},
            {"BLK00", &C::BLOCK00}, {"CDCU", &C::CDCU}});
    Add<C>(c, "Polygon", 94, 101, &Written::cells, {{"UA", &C::UA90}, {"CTPP", &C::TAZPART}});
    Add<C>(c, "Polygon", 94, 97, &Written::cells, {{"STSENATE", &C::SLDU}, {"STHOUSE", &C::SLDL}});
    Add<C>(c, "Polygon", 94, 99, &Written::cells, {{"VTD00", &C::VTD00}});
    Add<C>(c, "Polygon", 100, 103, &Written::cells,
           {{"SLDU", &C::SLDU}, {"SLDL", &C::SLDL}, {"UGA", &C::UGA}, {"VTD", &C::VTD00}, {"ZCTA5", &C::ZCTA}});
    Add<C>(c, "Polygon", 100, 102, &Written::cells,
           {{"STATECOL", &C::STATECOL}, {"COUNTYCOL", &C::COUNCOL}, {"BLOCKCOL", &C::BLKCOL}});
    // Type C: GDAL's layouts of 1997 (releases 94 and 95 but for their
    // columns 23-32, 97) and of 2000 (100 on).
    Add<E>(c, "EntityNames", 94, 103, &Written::names, {{"STATE", &E::STATE}, {"COUNTY", &E::COUNTY}});
    for (auto [from, to] : {std::pair{94, 97}, std::pair{100, 103}}) {
        Add<E>(c, "EntityNames", from, to, &Written::names,
               {{"FIPS", &E::FIPS}, {"LASAD", &E::LSADC}, {"AIR", &E::AIR}, {"VTD", &E::VTD}, {"UA", &E::UA},
                {"NAME", &E::NAME}, {"FIPSYR", from == 94 ? &E::YEAR : &E::DATAYR}});
    }
    Add<E>(c, "EntityNames", 97, 97, &Written::names, {{"MA", &E::MA}, {"SD", &E::SD}});
    Add<E>(c, "EntityNames", 100, 103, &Written::names,
           {{"MA", &E::MA}, {"SD", &E::SD}, {"FIPSCC", &E::FIPSCC}, {"AITSCE", &E::AITSCE}});
    Add<K>(c, "KeyFeatures", 94, 103, &Written::locations,
           {{"CENID", &K::CENID}, {"POLYID", &K::POLYID}, {"CFCC", &K::CFCC}, {"KGLNAME", &K::KGLNAME},
            {"KGLADD", &K::ADDRESS}, {"KGLZIP", &K::ZIPCODE}, {"KGLZIP4", &K::ZIP4}, {"FEAT", &K::FEAT}});
    Add<countygen::Landmark>(c, "Landmarks", 94, 103, &Written::marks,
                             {{"CFCC", &countygen::Landmark::cfcc}, {"LANAME", &countygen::Landmark::laname}});
    Add<countygen::CellCodes>(c, "AreaLandmarks", 94, 103, &Written::areas,
                              {{"CENID", &countygen::CellCodes::cenid}, {"POLYID", &countygen::CellCodes::polyid}});
    Add<countygen::Feature>(c, "FeatureIds", 94, 103, &Written::features,
                            {{"FEAT", &countygen::Feature::feat}, {"FENAME", &countygen::Feature::fename},
                             {"FETYPE", &countygen::Feature::fetype}});
    Add<L>(c, "ZipCodes", 94, 103, &Written::additional, {{"TLID", &L::tlid}, {"ZIPL", &L::zipl}});
    Add<Zip4Row>(c, "ZipPlus4", 94, 103, &Written::zip4,
                 {{"TLID", &Zip4Row::tlid}, {"ZIP4L", &Zip4Row::left}, {"ZIP4R", &Zip4Row::right}});
    return c;
}

// A CSV file as GDAL writes it: a header and rows, fields quoted when needed.
struct Csv {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t k = 0; k < line.size(); ++k) {
        if (quoted && line[k] == '"' && k + 1 < line.size() && line[k + 1] == '"') {
            fields.back() += line[++k];
        } else if (line[k] == '"') {
            quoted = !quoted;
        } else if (line[k] == ',' && !quoted) {
            fields.emplace_back();
        } else if (line[k] != '\r') {
            fields.back() += line[k];
        }
    }
    return fields;
}

Csv ReadCsv(const std::string& path) {
    Csv csv;
    std::istringstream in(testsupport::ReadFile(path));
    std::string line;
    if (std::getline(in, line)) csv.header = CsvFields(line);
    while (std::getline(in, line)) csv.rows.push_back(CsvFields(line));
    return csv;
}

// Equal texts without their surrounding blanks, or equal numbers where both
// are numbers (GDAL reads many codes as integers).
bool Same(const std::string& written, const std::string& read) {
    const std::string a = Trim(written), b = Trim(read);
    auto number = [](const std::string& s) {
        return !s.empty() && s.find_first_not_of("-+0123456789") == std::string::npos;
    };
    if (number(a) && number(b)) return std::stoll(a) == std::stoll(b);
    return a == b;
}

double Degrees(long long millionths) { return static_cast<double>(millionths) * 0.000001; }

struct Release {
    char edition;
    int release;
    const char* gdalClass;  // forced where GDAL has no class of its own; else GDAL's reading of VERSION
};

void PrintTo(const Release& r, std::ostream* os) { *os << "release " << r.release; }

class CountyGenOldGdalTest : public ::testing::TestWithParam<Release> {};

TEST_P(CountyGenOldGdalTest, GdalSeesWhatTheModelWrote) {
    if (!testsupport::HaveOgrinfo()) GTEST_SKIP() << testsupport::kNoOgrinfo;
    const Release r = GetParam();
    testsupport::TempDir dir;
    const CountySpec spec = OldSpec(r.edition);
    const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
    const std::string csv = dir / "csv";
    const std::string config = r.gdalClass ? std::string(" --config TIGER_VERSION ") + r.gdalClass : "";
    const std::string output = testsupport::CommandOutput("ogr2ogr" + config + " -f CSV '" + csv + "' '" +
                                                          county.type1Path + "' -lco GEOMETRY=AS_WKT");
    ASSERT_TRUE(testsupport::Exists(csv + "/Polygon.csv")) << output;

    const Written w(spec);
    const std::map<std::string, size_t> counts = {
        {"CompleteChain", w.lines.size()}, {"PolyChainLink", w.lines.size()}, {"Polygon", w.cells.size()},
        {"EntityNames", w.names.size()},   {"KeyFeatures", w.locations.size()}, {"Landmarks", w.marks.size()},
        {"AreaLandmarks", w.areas.size()}, {"FeatureIds", w.features.size()},
        {"AltName", w.model.AlternateNameRows().size()}, {"ZipCodes", w.additional.size()},
        {"ZipPlus4", w.zip4.size()}, {"IDHistory", 0}};
    std::map<std::string, Csv> layers;
    for (const auto& [layer, count] : counts) {
        layers[layer] = ReadCsv(csv + "/" + layer + ".csv");
        EXPECT_EQ(layers[layer].rows.size(), count) << layer;
    }
    for (const Check& check : AllChecks()) {
        if (r.release < check.from || r.release > check.to) continue;
        const Csv& table = layers.at(check.layer);
        const auto column = std::find(table.header.begin(), table.header.end(), check.field) - table.header.begin();
        ASSERT_LT(static_cast<size_t>(column), table.header.size()) << check.layer << " " << check.field;
        int wrong = 0;
        for (size_t k = 0; k < table.rows.size() && wrong < 3; ++k) {
            const std::string written = check.value(w, k), read = table.rows[k][static_cast<size_t>(column)];
            if (!Same(written, read)) {
                ++wrong;
                ADD_FAILURE() << check.layer << "." << check.field << " feature " << k << ": written '" << written
                              << "', GDAL '" << read << "'";
            }
        }
    }
    // The lines from their start through their shape points to their end.
    const Csv& chains = layers.at("CompleteChain");
    for (size_t k = 0; k < chains.rows.size(); ++k) {
        const countygen::LineInfo& l = w.lines[k];
        std::vector<countygen::PointM> points = {l.from};
        points.insert(points.end(), l.shapePoints.begin(), l.shapePoints.end());
        points.push_back(l.to);
        std::istringstream wkt(chains.rows[k][0].substr(chains.rows[k][0].find('(') + 1));
        for (const countygen::PointM& p : points) {
            double lon = 0, lat = 0;
            wkt >> lon >> lat;
            wkt.ignore();  // the comma
            ASSERT_TRUE(wkt) << l.tlid << " " << chains.rows[k][0];
            EXPECT_NEAR(lon, Degrees(p.lon), 1e-9) << l.tlid;
            EXPECT_NEAR(lat, Degrees(p.lat), 1e-9) << l.tlid;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Releases, CountyGenOldGdalTest,
                         ::testing::Values(Release{'0', 94, nullptr}, Release{'1', 95, nullptr},
                                           Release{'2', 97, nullptr}, Release{'3', 98, nullptr},
                                           Release{'4', 99, "TIGER_1998"},
                                           Release{'5', 100, "TIGER_2000_Redistricting"},
                                           Release{'6', 101, nullptr}, Release{'7', 102, nullptr},
                                           Release{'8', 103, nullptr}),
                         [](const ::testing::TestParamInfo<Release>& info) {
                             return "Release" + std::to_string(info.param.release);
                         });

// The lines of a record file without their line ends.
std::vector<std::string> Records(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(testsupport::ReadFile(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(CountyGenOldFilesTest, SuffixFamiliesAndRecordLengths) {
    for (const char edition : std::string(kEditions)) {
        SCOPED_TRACE(edition);
        testsupport::TempDir dir;
        CountySpec spec = OldSpec(edition);
        spec.upperCaseNames = edition != '0';
        const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
        const std::string family = edition == '0' ? "f6" : edition == '1' ? "bw" : "rt";
        EXPECT_EQ(county.type1Path,
                  dir / (edition == '0' ? "tgr25901.f61" : edition == '1' ? "TGR25901.BW1" : "TGR25901.RT1"));
        std::string types;
        for (const auto& [suffix, records] : county.records) {
            EXPECT_EQ(suffix.substr(0, 2), family);
            types += suffix[2];
            const std::vector<std::string> lines = Records(countygen::CountyFilePath(spec, dir.path(), suffix));
            EXPECT_EQ(static_cast<long long>(lines.size()), records) << suffix;
            const char type = static_cast<char>(std::toupper(static_cast<unsigned char>(suffix[2])));
            for (const std::string& line : lines) {
                ASSERT_EQ(static_cast<int>(line.size()), countygen::OldRecordLength(type)) << suffix;
                ASSERT_EQ(line[0], type);
            }
        }
        EXPECT_EQ(types, "123456789acisz");
        // Type 5 carries the state and county where the others carry VERSION.
        EXPECT_EQ(Records(countygen::CountyFilePath(spec, dir.path(), family + "5")).at(0).substr(0, 14),
                  "525901       2");
    }
}

// Every table of columns, for every release: no two fields of a record
// overlap, every field lies within the record, every value the model gives
// a field fits its columns without losing a character, and a field that the
// release does not carry is blank.
TEST(CountyGenOldLayoutTest, ColumnTablesFitTheRecordsAndTheModel) {
    for (const char edition : std::string(kEditions)) {
        const CountyModel model(OldSpec(edition));
        const int release = model.EditionCode();
        SCOPED_TRACE(release);
        std::map<char, std::vector<int>> owners;  // per record type and column
        auto claim = [&owners](char record, int first, int last, const char* name) {
            std::vector<int>& columns = owners[record];
            columns.resize(static_cast<size_t>(countygen::OldRecordLength(record)) + 1);
            ASSERT_GE(first, 6) << name;
            ASSERT_LE(last, countygen::OldRecordLength(record)) << record << " " << name;
            for (int col = first; col <= last; ++col) {
                EXPECT_EQ(++columns[static_cast<size_t>(col)], 1) << record << " " << name << " " << col;
            }
        };
        auto fits = [](const std::string& value, int width, bool name, const char* field) {
            EXPECT_TRUE(name || static_cast<int>(value.size()) >= width) << field;
            EXPECT_EQ(Trim(value.substr(std::min(value.size(), static_cast<size_t>(width)))), "") << field;
        };
        const OldCellCodes cell = model.OldCell(16 * 32 + 16);
        std::set<std::string> carried;  // the names of the fields carried
        for (const auto& c : countygen::CellColumns()) {
            if (!c.Carries(release)) continue;
            claim(c.record, c.first, c.last, c.name);
            if (c.text) fits(cell.*c.text, c.Width(), false, c.name);
            carried.insert(c.name);
        }
        for (const auto& c : countygen::CellColumns()) {
            if (c.text && !carried.count(c.name)) {
                EXPECT_EQ(Trim(cell.*c.text), "") << c.name;
            }
        }
        const OldSideCodes side = model.OldSide(7 * 32 + 7);
        for (const auto& c : countygen::SideColumns()) {
            if (!c.Carries(release)) continue;
            claim(c.record, c.first, c.last, c.name);
            claim(c.record, c.first + c.Width(), c.last + c.Width(), c.name);
            if (c.text) fits(side.*c.text, c.Width(), false, c.name);
        }
        const std::vector<OldEntityName> names = model.OldEntityNames();
        for (const auto& c : countygen::EntityColumns()) {
            if (!c.Carries(release)) continue;
            claim(c.record, c.first, c.last, c.name);
            for (const OldEntityName& e : names) {
                if (c.text) fits(e.*c.text, c.Width(), c.text == &OldEntityName::NAME, c.name);
            }
        }
    }
}

// The type C rows serve the name lookups: every code of the grid has its
// row for each year a layer asks (1990 and 2000 from release 100, any year
// before), with the LSADC range and entity letter the lookup of its kind
// tests.
TEST(CountyGenOldModelTest, EveryCodeHasTheNameRowsItsLookupsNeed) {
    struct KindRule {
        EntityKind kind;
        int lsadcLow, lsadcHigh;  // -1: not tested
        char entity;              // ' ': not tested
    };
    const KindRule rules[] = {
        {EntityKind::State, 1, 1, 'S'},        {EntityKind::County, 4, 15, 'C'},
        {EntityKind::Subdivision, 19, 49, 'M'}, {EntityKind::Place, 55, 62, 'P'},
        {EntityKind::CmsaMsa, 71, 72, 'J'},     {EntityKind::Pmsa, 73, 73, 'J'},
        {EntityKind::VotingDistrict2000, -1, -1, 'V'}, {EntityKind::Tract, -1, -1, 'T'},
        {EntityKind::ConsolidatedCity, -1, -1, 'A'},   {EntityKind::UrbanGrowthArea, 77, 77, ' '},
    };
    for (const char edition : std::string(kEditions)) {
        const CountyModel model(OldSpec(edition));
        const int release = model.EditionCode();
        SCOPED_TRACE(release);
        const std::vector<OldEntityName> names = model.OldEntityNames();
        std::set<std::tuple<EntityKind, std::string, int>> rows;
        for (const OldEntityName& e : names) {
            rows.insert({e.kind, e.code, e.year});
            EXPECT_EQ(e.DATAYR, release >= 98 && e.year != 0 ? std::to_string(e.year) : "    ") << e.NAME;
            EXPECT_EQ(e.YEAR, release < 98 && e.year != 0 ? std::to_string(e.year % 100) : "  ") << e.NAME;
            for (const KindRule& rule : rules) {
                if (rule.kind != e.kind) continue;
                if (rule.lsadcLow >= 0) {
                    EXPECT_GE(std::stoi(e.LSADC), rule.lsadcLow) << e.NAME;
                    EXPECT_LE(std::stoi(e.LSADC), rule.lsadcHigh) << e.NAME;
                }
                if (rule.entity != ' ') {
                    EXPECT_EQ(e.ENTITY, release >= 97 ? rule.entity : ' ') << e.NAME;
                }
            }
        }
        const std::vector<int> named = release >= 100 ? std::vector<int>{1990, 2000} : std::vector<int>{0};
        const int year1990 = release >= 100 ? 1990 : 0, year2000 = release >= 100 ? 2000 : 0;
        auto has = [&rows](EntityKind kind, const std::string& code, int year) {
            if (Trim(code).empty()) return;
            EXPECT_TRUE(rows.count({kind, code, year})) << static_cast<int>(kind) << " '" << code << "' " << year;
        };
        for (int n = 0; n < model.CellCount(); ++n) {
            const OldCellCodes c = model.OldCell(n);
            for (int year : named) {
                has(EntityKind::County, c.STATE + c.COUNTY, year);
                has(EntityKind::Subdivision, c.FMCD, year);
                has(EntityKind::Place, c.FPL, year);
                has(EntityKind::IndianArea, c.AIANHH, year);
            }
            has(EntityKind::Subdivision, c.SUBMCD, year2000);
            has(EntityKind::UrbanArea1990, c.UA90, year1990);
            has(EntityKind::UrbanArea1990, Trim(c.UA90RED), 1990);
            has(EntityKind::UrbanArea2000, c.UA00, 2000);
            has(EntityKind::UrbanArea2000, c.UA00COR, 2000);
            has(EntityKind::UrbanGrowthArea, c.UGA, 2000);
            has(EntityKind::VotingDistrict2000, c.VTD00, 2000);
            has(EntityKind::CmsaMsa, c.MSACMSA, year2000);
            has(EntityKind::Pmsa, c.PMSA, year2000);
            if (release != 97 && release < 100) has(EntityKind::Anrc, c.ANRC, 0);
            if (release >= 97) {
                for (const std::string* sd : {&c.SDELM, &c.SDSEC, &c.SDUNI}) {
                    has(EntityKind::SchoolDistrict, *sd, year2000);
                }
            }
            if (release >= 100) {
                has(EntityKind::Tract, c.TRACT00, 2000);
                has(EntityKind::ConsolidatedCity, c.CONCIT, 2000);
            }
            const OldSideCodes s = model.OldSide(n);
            has(EntityKind::VotingDistrict1990, s.VTD, 1990);
            if (!Trim(s.AITS).empty()) has(EntityKind::TribalSubdivision, s.AITS + s.AITSCE, 2000);
        }
        // Key geographic locations: schools on a street of type 5, hospitals
        // without one (a blank FEAT or a feature that is not there).
        std::set<std::string> features;
        for (const countygen::Feature& f : model.Features()) features.insert(f.feat);
        for (const countygen::KeyLocation& k : model.KeyLocations()) {
            EXPECT_EQ(features.count(k.FEAT) == 1, k.CFCC == "D43") << k.KGLNAME;
        }
    }
}

std::string Find(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines) {
        if (line.find(part) != std::string::npos) return line;
    }
    return "";
}

// Records of the layouts that GDAL reads otherwise, made by hand from the
// layouts: cell (16, 16) of the 32 x 22 county (POLYID 529: subdivision
// 10000, place 20000, tract 000100, block 4018, elementary and secondary
// districts, ANRC 10, consolidated city, TEA 2, district 02, voting district
// 1004, collection block 04004, ZCTA 02100, urban areas), the line between
// the two tribal subdivisions of the American Indian area (TLID 100000920)
// and type C rows of 1995 and 1998.
TEST(CountyGenOldRecordsTest, LayoutsGdalReadsOtherwiseByHand) {
    using testsupport::Blanks;
    using testsupport::Pad;
    struct Expected {
        char edition;
        char type;
        std::string find;  // a text of the record
        std::string record;
    };
    const std::string head = "25901" "CB002" "       529";
    const std::string codesA = "     " "10000" "20000" "000100" "4018" "04" "06" "00030";
    const std::string codesS = "0" "1120" "1123" "     " "    " " ";
    const std::vector<Expected> cases = {
        {'0', 'a', "       529",
         "A0021" + head + codesA + "00020" "00040" "     " "000004" "9271" "U" "0002" + Blanks(9)},
        {'7', 'a', "       529",
         "A0402" + head + codesA + "00100" "00040" "     " "000004" "09271" "9271" "25" "901" "    "},
        {'4', 's', "       529",
         "S0599" + head + codesS + "10" "25" "901" "04000" "10000" "     " "20000" "000100" "4018" "2" "02" "104"
         "205" "     " " " "001004" "25" "901" "04004" " " "02100" "  "},
        {'8', 's', "       529",
         "S0303" + head + codesS + "  " "25" "901" "04000" "10000" "     " "20000" "000100" "4018" " " "02" "104"
         "205" "     " "4" "001004" "09271" "9271 " " " "02100" "  "},
        {'5', '3', " 100000920",
         "30700" " 100000920" "25" "25" "901" "901" + Blanks(40) + "RR" + Blanks(10) + "1000" "1000" + Blanks(10) +
             "001" "002" "40001" "40002"},
        {'1', 'c', "Native Corporation 10",
         "C0024" "25" + Blanks(15) + "10" + Blanks(22) + Pad("Native Corporation 10", 66)},
        {'1', 'c', "Metro Area 1120",
         "C0024" + Blanks(15) + "72" "  " "1120" + Blanks(18) + Pad("Metro Area 1120", 66)},
        {'1', 'c', "Precinct 1000",
         "C0024" "25" "901" "90" + Blanks(24) + "  1000" "    " + Pad("Precinct 1000 (1990)", 66)},
        {'3', 'c', "Synthetic County",
         "C0299" "25" "901" + Blanks(9) + "H1" " " "06" "C" + Blanks(29) + Pad("Synthetic County 25901", 58)},
        {'3', 'c', "Precinct 001000",
         "C0299" "25" "901" "2000" + Blanks(7) + "P" "  " "V" + Blanks(13) + "001000" + Blanks(10) +
             Pad("Precinct 001000 (2000)", 58)},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(std::string(1, e.edition) + e.type + " " + e.find);
        testsupport::TempDir dir;
        const CountySpec spec = OldSpec(e.edition);
        countygen::WriteCounty(spec, dir.path());
        const std::string suffix = countygen::RecordSuffix(e.edition, e.type);
        EXPECT_EQ(Find(Records(countygen::CountyFilePath(spec, dir.path(), suffix)), e.find), e.record);
    }
}

// The code texts of the border step, by hand for a few cells of the 32 x 22
// county: 529 (16, 16) as above, 231 (7, 7) in the American Indian area
// (reservation 1000, FIPS 30000, 'R', tribal subdivision 1), 656 (16, 20)
// with the sub-subdivision 60000, 165 (5, 5) in the urban growth area 41000.
// Empty where the release builds no such level.
TEST(CountyGenOldModelTest, LevelCodesByHand) {
    using countygen::LevelA;
    using countygen::LevelS;
    struct Case {
        char edition;
        int cell;
        int levelA;  // -1: levelS
        int levelS;
        std::string code;
    };
    auto a = [](char e, int cell, LevelA level, const std::string& code) {
        return Case{e, cell, static_cast<int>(level), -1, code};
    };
    auto s = [](char e, int cell, LevelS level, const std::string& code) {
        return Case{e, cell, -1, static_cast<int>(level), code};
    };
    const std::vector<Case> cases = {
        a('0', 529, LevelA::County, "25901"),           a('2', 529, LevelA::County, "25901"),
        a('6', 529, LevelA::BlockGroup, "259010001004"), a('6', 529, LevelA::Block, "259010001004018"),
        a('0', 231, LevelA::IndianArea, ""),            a('2', 231, LevelA::IndianArea, "300001000"),
        a('4', 529, LevelA::TrafficAnalysisZone, "0000040002"),
        a('5', 529, LevelA::TrafficAnalysisZone, "0000049271"),
        a('7', 529, LevelA::TrafficAnalysisZone, "0000049271"),
        a('3', 529, LevelA::UrbanArea1990, "9271 "),    a('0', 529, LevelA::MiddleSchool, "00020"),
        a('2', 529, LevelA::MiddleSchool, ""),          a('6', 529, LevelA::UrbanArea2000, ""),
        a('7', 529, LevelA::UrbanArea2000, "09271"),    a('8', 529, LevelA::Puma, "00100"),
        s('0', 529, LevelS::CountySubdivision, "10000     "),
        s('5', 656, LevelS::CountySubdivision, "1000060000"),
        s('2', 231, LevelS::IndianArea, "100030000R"),  s('3', 529, LevelS::CollectionBlock, "2590104004 202100"),
        s('6', 529, LevelS::CollectionBlock, "2590104004  02100"), s('8', 529, LevelS::CollectionBlock, ""),
        s('4', 529, LevelS::BlockGroup2000, ""),        s('5', 529, LevelS::BlockGroup2000, "259010001004"),
        s('2', 529, LevelS::Tract2000, ""),             s('3', 529, LevelS::Tract2000, "25901000100"),
        s('3', 529, LevelS::VotingDistrict2000, "25901001004"), s('3', 529, LevelS::Zcta, "2590102100"),
        s('5', 165, LevelS::UrbanGrowthArea, "41000"),  s('4', 165, LevelS::UrbanGrowthArea, ""),
        s('8', 529, LevelS::CorrectedUrbanArea2000, "09271"), s('7', 529, LevelS::CorrectedUrbanArea2000, ""),
        s('8', 529, LevelS::RedefinedUrbanArea1990, "9271 "), s('2', 529, LevelS::StateHouse, "205   "),
        s('3', 529, LevelS::StateSenate, "104   "),     s('4', 529, LevelS::Anrc, "10"),
        s('5', 529, LevelS::Anrc, ""),                  s('2', 529, LevelS::ConsolidatedCity, "04000"),
    };
    for (const Case& c : cases) {
        const CountyModel model(OldSpec(c.edition));
        const std::string code = c.levelA >= 0 ? model.LevelCode(c.cell, static_cast<LevelA>(c.levelA))
                                               : model.LevelCode(c.cell, static_cast<LevelS>(c.levelS));
        EXPECT_EQ(code, c.code) << c.edition << " cell " << c.cell << " level " << c.levelA << "/" << c.levelS;
    }
}

TEST(CountyGenOldProgramTest, EditionDigitsAndHelp) {
    const std::string program = std::string(PELLARD_BINARY_DIR) + "/tools/countygen/countygen";
    testsupport::TempDir dir;
    const std::string written =
        testsupport::CommandOutput(program + " --out '" + dir.path() + "' --edition 8 --lower-case");
    EXPECT_TRUE(testsupport::Exists(dir / "tgr25901.rt9")) << written;
    EXPECT_TRUE(testsupport::Exists(dir / "tgr25901.rts"));
    EXPECT_FALSE(testsupport::Exists(dir / "tgr25901.rtp"));
    EXPECT_EQ(testsupport::ReadFile(dir / "tgr25901.rt1").substr(0, 5), "10303");
    EXPECT_HAS(testsupport::CommandOutput(program + " --out '" + dir.path() + "' --edition e"),
               "edition must be one of 0 to 8, 9, a, b, c, d");
    const std::string help = testsupport::CommandOutput(program + " --help");
    EXPECT_HAS(help, "TGR25901.F61 ... .F6Z (1994), .BW1 ... (1995)");
    EXPECT_HAS(help, "4 (2000 Dress\n                         Rehearsal, release 99)");
}

}  // namespace
