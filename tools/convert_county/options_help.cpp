#include "options_help.h"

#include "options/options_strings.h"
#include "platform/text.h"

#include <cstdlib>

namespace convertcounty {

namespace {

using options::OptionPosition;
using options::OptionsFamily;

struct Position {
    std::string at;       // a position or a run of them
    std::string meaning;  // what the library makes when it is not '0'
};

// The rows of the positions `first` to `last` of a family, in order, then
// (with `noLayers`) the positions that ask for nothing.
std::vector<Position> Rows(const OptionsFamily& family, size_t first, size_t last, bool noLayers) {
    std::vector<Position> rows;
    std::vector<bool> told(family.length, false);
    for (const OptionPosition& row : family) {
        if (!row.meaning) continue;
        const int lastIndex = row.lastIndex < 0 ? row.index : row.lastIndex;
        for (int p = row.index; p <= lastIndex; ++p) told[static_cast<size_t>(p)] = true;
        if (static_cast<size_t>(row.index) < first || static_cast<size_t>(row.index) > last) continue;
        std::string at = std::to_string(row.index);
        if (row.lastIndex >= 0) at += "-" + std::to_string(row.lastIndex);
        rows.push_back({at, row.meaning});
    }
    if (noLayers) {
        std::vector<int> untold;
        for (size_t p = first; p <= last; ++p)
            if (!told[p]) untold.push_back(static_cast<int>(p));
        if (!untold.empty()) rows.push_back({platform::NumberList(untold), "no layer; leave '0'"});
    }
    return rows;
}

// The positions of a table, one per line, the meaning wrapped at 78 columns.
std::string Table(const std::vector<Position>& rows) {
    std::string text;
    for (const Position* p = rows.data(); p != rows.data() + rows.size(); ++p) {
        std::string line = "  " + p->at;
        if (line.size() < 9) line.resize(9, ' ');
        else line += "\n         ";
        size_t column = 9;
        std::string word;
        const std::string meaning = p->meaning + " ";
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
           "Exit status: 0 when the county was converted, 1 when it failed (one line\n"
           "on standard error names the county, its log and the line the step that\n"
           "gave up wrote there, or the first failure line of this run when no step\n"
           "gave up, as when a record file it needs is missing), 2 for wrong\n"
           "arguments (an INPUT that is no existing file, or whose suffix is that of\n"
           "another record file than a type 1 file or of a .met, whatever lies beside\n"
           "it, an OUTPUT_DIR that is no folder this user\n"
           "can write, an organisation character other than '0' to '3' among them:\n"
           "nothing is made).\n"
           "\n"
           "--options EDITION [P | P=C ...] prints an options string: '0' everywhere,\n"
           "the edition character at position 53, '1' at each position P, C at each\n"
           "P=C. Every position listed below is a flag (any character but '0' sets\n"
           "it) except two: 53, the edition, which only EDITION gives, and the\n"
           "organisation, 79 of the long string and 50 of the short one, which takes\n"
           "its character '0' to '3' as P=C (79=2 a folder per layer). For example\n"
           "the road layer of a 2005 county, organised by county:\n"
           "  convert_county TGR25901.RT1 out \"$(convert_county --options c 0)\"\n"
           "\n"
           "Both strings, positions 0-7: the line classes, each a shapefile of its\n"
           "lines (lkA ... lkX; the 1994-2000 editions also one of their nodes, ndA ...):\n" +
           Table(Rows(options::LaterFamily(), 0, 7, false)) +
           "\n"
           "The 86-character string of 2002-2006 (DisplayV2):\n" +
           Table(Rows(options::LaterFamily(), 8, options::LaterFamily().length - 1, true)) +
           "\n"
           "The 56-character string of 1994-2000 (Display); 8-49 are polygon layers:\n" +
           Table(Rows(options::OlderFamily(), 8, options::OlderFamily().length - 1, true));
}

size_t OptionsLengthOf(char edition) {
    const OptionsFamily* family = options::FamilyOfEdition(edition);
    return family ? family->length : 0;
}

bool MakeOptions(char edition, const std::vector<std::string>& settings, std::string& options, std::string& error) {
    const OptionsFamily* family = options::FamilyOfEdition(edition);
    if (!family) {
        error = std::string("unknown edition '") + edition + "' (0-8 for 1994-2000, 9 or a-d for 2002-2006)";
        return false;
    }
    const size_t length = family->length;
    const long editionPosition = static_cast<long>(family->edition);
    options.assign(length, '0');
    options[family->edition] = edition;
    for (const std::string& setting : settings) {
        char* end = nullptr;
        const long position = std::strtol(setting.c_str(), &end, 10);
        const bool bare = end != setting.c_str() && *end == '\0';
        const bool withCharacter = end != setting.c_str() && *end == '=' && end[1] != '\0' && end[2] == '\0';
        if ((!bare && !withCharacter) || position < 0 || static_cast<size_t>(position) >= length) {
            error = "not a position of the " + std::to_string(length) + "-character string: " + setting;
            return false;
        }
        if (position == editionPosition) {
            error = "position " + std::to_string(editionPosition) + " holds the edition, which EDITION gives: " + setting;
            return false;
        }
        const long organisation = static_cast<long>(family->organisation);
        if (position == organisation && (bare || end[1] < '0' || end[1] > '3')) {
            error = "position " + std::to_string(organisation) + " takes the organisation character (" +
                    std::to_string(organisation) + "=0 to " + std::to_string(organisation) + "=3): " + setting;
            return false;
        }
        options[static_cast<size_t>(position)] = bare ? '1' : end[1];
    }
    return true;
}

}  // namespace convertcounty
