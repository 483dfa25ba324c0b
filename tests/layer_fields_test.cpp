// Every layer's fields (name, type, width, decimals, in order), of both
// libraries and every edition, against tests/golden/layer_fields.txt. A
// generated county of each edition is converted with every layer: a table or
// shapefile gives its fields from its .dbf header; a KML document gives the
// names of its description table, which must be those of the layer's field
// table (the document carries no types or widths: the table gives them). A
// layer of the descriptor tables that no generated county writes is pinned
// by its field table alone, and says so.
// PELLARD_UPDATE_GOLDEN=1 rewrites the golden file from this run instead.
#include "conv1/job_state.h"
#include "conv1/layer_catalogue.h"
#include "conv2/job_state.h"
#include "conv2/layer_catalogue.h"
#include "support/county_files.h"
#include "support/generated_county_run.h"
#include "support/layer_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

using namespace testsupport;

namespace {

const char kGolden[] = PELLARD_SOURCE_DIR "/tests/golden/layer_fields.txt";
const char kTableAlone[] = " (its field table; no generated county writes it)";

// Appends "NAME C(5)" (or "N(10,5)" with decimals) to a list of fields.
void Put(std::string& list, const std::string& name, char type, int length, int decimals) {
    list += (list.empty() ? "" : ", ") + name + " " + type + "(" + std::to_string(length) +
            (decimals ? "," + std::to_string(decimals) : "") + ")";
}

// The .dbf files of `folder` (named "TGR25901<layer file>") by layer file.
std::map<std::string, std::string> DbfFields(const std::string& folder) {
    std::map<std::string, std::string> tables;
    for (const std::string& name : FilesEndingIn(folder, ".dbf"))
        for (const DbfColumn& c : ReadDbf(folder + "/" + name).columns)
            Put(tables[name.substr(8)], c.name, c.type, c.length, c.decimals);
    return tables;
}

// "<library> <layer file>", a tab, how the fields were read and the fields:
// the editions that write them so.
using Layers = std::map<std::string, std::string>;

// Converts a 16 x 16 county of `edition` (large enough for every line class
// and the ANRC of releases 94 to 99) with every position of the options set,
// then its roads alone with numeric address ranges.
void AddEdition(char edition, Layers& layers) {
    const bool old = edition <= '8';
    const std::string library = old ? "vornak " : "vornak2 ", from(1, edition);
    generated::CountyRun run({16, 16, edition});
    std::string options = old ? OldOptions(edition, '1') : Options(edition, '1');
    for (int k = 0; k <= (old ? 49 : 78); ++k) options[static_cast<size_t>(k)] = k == 53 ? edition : '1';
    const auto convert = old ? ConvertOldCounty : ConvertCounty;
    const std::string input = run.RecordPath(edition == '0' ? "f61" : edition == '1' ? "bw1" : "rt1");
    ASSERT_EQ(convert(input, run.outputDir(), options, 1, 1), 0) << edition << run.LogMessages();
    const std::string folder = run.outputDir() + "/tigershapes";
    const std::map<std::string, std::string> tables = DbfFields(folder);
    for (const auto& [file, fields] : tables) layers[library + file + "\t: " + fields] += from;

    // The descriptors of the edition the conversion left the library in.
    std::set<std::string> documents;
    for (const std::string& name : FilesEndingIn(folder, ".kml")) documents.insert(name.substr(8));
    for (const polygons::PolygonLayerDescriptor& layer :
         old ? vornak::PolygonLayerDescriptors() : vornak2::PolygonLayerDescriptors()) {
        const std::string file = layer.abbreviation + std::string(".kml");
        std::vector<std::string> names;
        std::string fields;
        for (const shapeio::DbfFieldDef* f = layer.fields; f->name; ++f) {
            names.push_back(f->name);
            Put(fields, f->name, f->type, f->length, f->decimals);
        }
        const bool written = documents.erase(file) > 0;
        if (written) {
            const auto polygons = generated::ReadPolygons(ReadFile(folder + "/TGR25901" + file));
            EXPECT_EQ(polygons.empty() ? std::vector<std::string>() : polygons[0].order, names) << edition << file;
        }
        layers[library + file + "\t" + (written ? "" : kTableAlone) + ": " + fields] += from;
    }
    for (const std::string& file : documents) ADD_FAILURE() << edition << ": no descriptor writes " << file;

    options = old ? OldOptions(edition, '1') : Options(edition, '1');
    options[0] = '2';
    ASSERT_EQ(convert(input, run.outputDir(), options, 1, 1), 0) << edition;
    for (const auto& [file, fields] : DbfFields(folder))
        if (tables.at(file) != fields)
            layers[library + file + "\t (numeric address ranges, '2' at position 0): " + fields] += from;
}

// Puts back the libraries' edition, which the conversions set.
struct EditionsKept {
    int older = vornak::gEditionCode, later = vornak2::gEditionCode, year = vornak2::gEditionYear;
    unsigned char second = vornak2::gSecondEdition;
    ~EditionsKept() {
        vornak::gEditionCode = older, vornak2::gEditionCode = later;
        vornak2::gEditionYear = year, vornak2::gSecondEdition = second;
    }
};

std::set<std::string> Lines(const std::string& text) {
    std::set<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.insert(line);
    return lines;
}

}  // namespace

TEST(LayerFields, EveryLayerOfEveryEditionKeepsItsFields) {
    const EditionsKept kept;
    Layers layers;
    for (char edition : std::string("9abcd012345678")) {
        AddEdition(edition, layers);
        if (HasFatalFailure()) return;
    }
    std::set<std::string> written;  // a field table alone only for a layer no edition writes
    for (const auto& layer : layers)
        if (layer.first.find("\t:") != std::string::npos) written.insert(layer.first.substr(0, layer.first.find('\t')));
    std::string text = "# library, layer file (after the county's name), [editions]: fields in order\n";
    for (const auto& [key, editions] : layers) {
        const size_t tab = key.find('\t');
        if (key.find(kTableAlone) == std::string::npos || !written.count(key.substr(0, tab)))
            text += key.substr(0, tab) + " [" + editions + "]" + key.substr(tab + 1) + "\n";
    }
    if (const char* update = std::getenv("PELLARD_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        WriteFile(kGolden, text);
        return;
    }
    const std::set<std::string> golden = Lines(ReadFile(kGolden)), now = Lines(text);
    for (const std::string& line : golden) EXPECT_TRUE(now.count(line)) << "golden line no longer made: " << line;
    for (const std::string& line : now) EXPECT_TRUE(golden.count(line)) << "line not in the golden file: " << line;
    EXPECT_TRUE(golden != now || ReadFile(kGolden) == text) << "the golden file's lines are in another order";
}
