#include "options_help.h"

#include <cstdlib>

namespace convertcounty {

namespace {

constexpr long kEditionPosition = 53;

struct Position {
    const char* at;       // a position or a range of them
    const char* meaning;  // what the library makes when it is not '0'
};

// Shared by both strings: the line classes, each a shapefile of its lines.
const Position kLineClasses[] = {
    {"0", "roads (class A, files lkA) with the alternate names, additional address and ZIP+4 tables; '2' "
          "writes their address ranges as numbers"},
    {"1", "railroads (B)"},
    {"2", "miscellaneous ground transportation (C)"},
    {"3", "landmark lines (D)"},
    {"4", "physical features (E)"},
    {"5", "non-visible boundaries (F; the 1994-2000 editions with G)"},
    {"6", "hydrography (H)"},
    {"7", "unclassified lines (X)"},
};

const Position kLaterEditions[] = {
    {"8", "County 2000"}, {"9", "County Current"}, {"10", "Corrections (CQ polygons)"},
    {"11", "Tract 2000"}, {"12", "Tract Current"}, {"14", "Block Group 2000"}, {"15", "Block Group Current"},
    {"17", "Block 2000"}, {"18", "Block Current"},
    {"20", "American Indian / Alaska Native / Hawaiian Home Land areas 2000"}, {"21", "AIANHH Current"},
    {"23", "Alaska Native Regional Corporations 2000"}, {"24", "ANRC Current"},
    {"26", "American Indian Tribal Subdivisions 2000"}, {"27", "AITS Current"},
    {"29", "Consolidated City 2000"}, {"30", "Consolidated City Current"},
    {"32", "County Subdivision 2000"}, {"33", "County Subdivision Current"},
    {"35", "Subbarrio 2000"}, {"36", "Subbarrio Current"}, {"38", "Place 2000"}, {"39", "Place Current"},
    {"41", "Elementary School Districts 2000"}, {"42", "Elementary School Districts Current"},
    {"43", "Secondary School Districts 2000"}, {"44", "Secondary School Districts Current"},
    {"45", "Unified School Districts 2000"}, {"46", "Unified School Districts Current"},
    {"47", "MSA/CMSA 2000"}, {"48", "MSA/CMSA Current (2002); County Economic Census (2003 on)"},
    {"49", "PMSA 2000"}, {"50", "PMSA Current (2002); Places Economic Census (2003 on)"},
    {"51", "NECMA 2000"}, {"52", "NECMA Current (2002); Commercial Regions (2003 on)"},
    {"53", "the edition: '9' TIGER 2002, 'a' 2003, 'b' 2004 first edition, 'c' 2004 second edition and 2005, "
           "'d' 2006 second edition"},
    {"54", "106th Congressional Districts (and the 108th for 'c')"},
    {"55", "Congressional Districts Current"}, {"56", "ZCTA5 2000"}, {"57", "ZCTA5 Current"},
    {"58", "ZCTA3 2000"}, {"59", "ZCTA3 Current"}, {"60", "Urban Areas 2000 (and Current for 2006)"},
    {"62", "Traffic Analysis Zones"}, {"63", "Voting Districts 2000"},
    {"64", "State Legislative Districts, Upper House (and Current for 2006)"},
    {"65", "State Legislative Districts, Lower House (and Current for 2006)"}, {"66", "Urban Growth Areas 2000"},
    {"67", "Landmark polygons with their landmark tables"}, {"68", "Water polygons"}, {"69", "PUMA 5%"},
    {"70", "PUMA 1%"}, {"71", "All polygons, one per TIGER polygon with all its codes"},
    {"72-77", "Core Based Statistical Areas, Combined Statistical Areas, Metropolitan Divisions, NECTAs, "
              "Combined NECTAs, NECTA Divisions (2003 on)"},
    {"79", "the output organisation: '0' a folder per county, '1' one folder \"tigershapes\", '2' a folder per "
           "layer, '3' a folder per layer with the counties merged into one file"},
    {"80", "clip water polygons out of the polygon layers"}, {"81", "a label point (push pin) per KML polygon"},
    {"13, 16, 19, 22, 25, 28, 31, 34, 37, 40, 61, 78, 82-85", "no layer; leave '0'"},
};

const Position kOlderEditions[] = {
    {"8", "County 1990"}, {"9", "County Current (2000 for the 2000 Dress Rehearsal on)"}, {"10", "Tracts 1990"},
    {"11", "Block Groups 1990"}, {"12", "Blocks 1990"}, {"13", "Places 1990"}, {"14", "Places Current"},
    {"15", "County Subdivisions 1990"}, {"16", "County Subdivisions Current"}, {"17", "Voting Districts 1990"},
    {"18", "Voting Districts 2000"}, {"19", "American Indian Areas 1990 (TIGER 97 on)"},
    {"20", "American Indian Areas Current"},
    {"21", "Alaska Native Regional Corporations (up to '4'; later a log line that there are none)"},
    {"22", "Key Geographic Locations with their address table"}, {"23", "Landmark polygons with their tables"},
    {"24", "Traffic Analysis Zones"}, {"25", "Urban Areas 1990"}, {"26", "Consolidated Cities"},
    {"27", "Elementary School Districts"}, {"28", "Middle School Districts"}, {"29", "Secondary School Districts"},
    {"30", "Unified School Districts"}, {"31", "Water polygons"}, {"32", "CMSA/MSA"}, {"33", "PMSA"},
    {"34", "Congressional Districts Current"}, {"35", "State House Districts"}, {"36", "State Senate Districts"},
    {"37", "Census 2000 Collection Blocks ('8': Corrected Urban Areas 2000)"},
    {"38", "All polygons (TIGER 97 on)"}, {"39", "Tracts 2000"}, {"40", "Blocks 2000"},
    {"41", "ZIP Code Tabulation Areas"}, {"42", "Block Groups 2000"}, {"44", "Tribal Subdivisions"},
    {"45", "Public Use Microdata Areas"}, {"46", "106th Congressional Districts"}, {"47", "Urban Growth Areas"},
    {"48", "Urban Areas 2000"}, {"49", "Redefined Urban Areas 1990 ('8' only)"},
    {"50", "the output organisation: '0' to '3' as position 79 of the long string"},
    {"51", "a label point (push pin) per KML polygon"},
    {"53", "the edition: '0' TIGER 94 (.f61 files), '1' TIGER 95 (.bw1), '2' TIGER 97, '3' TIGER 98, "
           "'4' Census 2000 Dress Rehearsal, '5' TIGER 99 and 2000 Redistricting, '6' TIGER 2000, '7' TIGER 2000 "
           "Urban Areas, '8' 108th Congressional Districts TIGER 2000"},
    {"54", "clip water polygons out of the polygon layers"}, {"43, 52, 55", "no layer; leave '0'"},
};

// The positions of a table, one per line, the meaning wrapped at 78 columns.
std::string Table(const Position* begin, const Position* end) {
    std::string text;
    for (const Position* p = begin; p != end; ++p) {
        std::string line = std::string("  ") + p->at;
        if (line.size() < 9) line.resize(9, ' ');
        else line += "\n         ";
        size_t column = 9;
        std::string word;
        const std::string meaning = std::string(p->meaning) + " ";
        for (char c : meaning) {
            if (c != ' ') {
                word += c;
                continue;
            }
            if (column + word.size() > 78 && column > 9) {
                line.pop_back();  // the blank before the wrap
                line += "\n         ";
                column = 9;
            }
            line += word + " ";
            column += word.size() + 1;
            word.clear();
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        text += line + "\n";
    }
    return text;
}

template <size_t N>
std::string Table(const Position (&positions)[N]) {
    return Table(positions, positions + N);
}

}  // namespace

std::string UsageText() {
    return "usage: convert_county INPUT OUTPUT_DIR OPTIONS\n"
           "       convert_county --options EDITION [P | P=C ...]\n"
           "       convert_county --help\n"
           "\n"
           "Converts one county as pellard's GO does, without the dialogs: INPUT is\n"
           "the county's first record file (.rt1, .bw1 or .f61) or a .zip holding\n"
           "it, OUTPUT_DIR an existing folder for the outputs and the county's log\n"
           "(OUTPUT_DIR/<name>.log), OPTIONS the options string of the county's\n"
           "library: 86 characters for the 2002-2006 editions (vornak2, DisplayV2),\n"
           "56 for the 1994-2000 editions (vornak, Display). A character that is not\n"
           "'0' asks for what its position says. The line layers (positions 0-7) are\n"
           "offered by no dialog of pellard: this is their way.\n"
           "Exit status: 0 when the county was converted, 1 when it failed (its log\n"
           "says why), 2 for wrong arguments.\n"
           "\n"
           "--options EDITION [P | P=C ...] prints an options string: '0' everywhere,\n"
           "the edition character at position 53, '1' at each position P, C at each\n"
           "P=C. Every position listed below is a flag (any character but '0' sets\n"
           "it) except two: 53, the edition, which only EDITION gives, and the\n"
           "organisation, 79 of the long string and 50 of the short one, which takes\n"
           "its character as P=C (79=2 a folder per layer). For example the road\n"
           "layer of a 2005 county, organised by county:\n"
           "  convert_county TGR25901.RT1 out \"$(convert_county --options c 0)\"\n"
           "\n"
           "Both strings, positions 0-7: the line classes, each a shapefile of its\n"
           "lines (lkA ... lkX; the 1994-2000 editions also one of their nodes, ndA ...):\n" +
           Table(kLineClasses) +
           "\n"
           "The 86-character string of 2002-2006 (DisplayV2):\n" +
           Table(kLaterEditions) +
           "\n"
           "The 56-character string of 1994-2000 (Display); 8-49 are polygon layers:\n" +
           Table(kOlderEditions);
}

size_t OptionsLengthOf(char edition) {
    if (edition >= '0' && edition <= '8') return 56;
    if (edition == '9' || (edition >= 'a' && edition <= 'd')) return 86;
    return 0;
}

bool MakeOptions(char edition, const std::vector<std::string>& settings, std::string& options, std::string& error) {
    const size_t length = OptionsLengthOf(edition);
    if (length == 0) {
        error = std::string("unknown edition '") + edition + "' (0-8 for 1994-2000, 9 or a-d for 2002-2006)";
        return false;
    }
    options.assign(length, '0');
    options[kEditionPosition] = edition;
    for (const std::string& setting : settings) {
        char* end = nullptr;
        const long position = std::strtol(setting.c_str(), &end, 10);
        const bool bare = end != setting.c_str() && *end == '\0';
        const bool withCharacter = end != setting.c_str() && *end == '=' && end[1] != '\0' && end[2] == '\0';
        if ((!bare && !withCharacter) || position < 0 || static_cast<size_t>(position) >= length) {
            error = "not a position of the " + std::to_string(length) + "-character string: " + setting;
            return false;
        }
        if (position == kEditionPosition) {
            error = "position 53 holds the edition, which EDITION gives: " + setting;
            return false;
        }
        const long organisation = length == 86 ? 79 : 50;
        if (bare && position == organisation) {
            error = "position " + std::to_string(organisation) + " takes the organisation character (" +
                    std::to_string(organisation) + "=0 to " + std::to_string(organisation) + "=3): " + setting;
            return false;
        }
        options[static_cast<size_t>(position)] = bare ? '1' : end[1];
    }
    return true;
}

}  // namespace convertcounty
