// A county converted as an edition its record files are not of: the record
// check that stops it is followed in its log by a line naming the edition
// chosen, the length of the records and the editions they have it in, and
// the county's VERSION, in both libraries; a damaged record of the chosen
// edition's length, and a county whose files fit the chosen edition, get
// no such line. A county whose .met title or VERSION names another edition
// of its family stops before it starts, with a line naming both.
// convert_county shows the lines.
#include "command_line.h"
#include "county_writer.h"
#include "platform/files.h"
#include "support/county_files.h"
#include "support/temp_dir.h"
#include "support/text_checks.h"
#include "tigercore/county_job.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace testsupport;

namespace {

const std::string kAs2005 = "Edition chosen: TIGER 2004 2nd edition/2005 1st or 2nd edition. The county's type ";
const std::string kAs2000 = "Edition chosen: TIGER 2000. The county's type ";
const std::string k2005Version = ": the record files may be of another edition (VERSION 1105 in its type 1 file)\n";

// The first record of a file changed by `change`, the rest kept.
void ChangeFirstRecord(const std::string& path, const std::function<void(std::string&)>& change) {
    std::string text = ReadFile(path);
    change(text);
    WriteFile(path, text);
}

TEST(WrongEdition, RecordsOfAnotherEditionsLengthAreNamedInBothLibraries) {
    struct Case {
        const char* name;
        char county;     // the county's edition (tools/countygen)
        char chosen;     // the edition it is converted as
        std::vector<int> flags;
        const char* changed;  // suffix of the file whose first record is changed ("" none)
        std::function<void(std::string&)> change;
        std::string expected;  // the failure and the edition line; "" a converted county
        bool editionLine;
        std::string title = "";    // the .met text's title (none when empty)
        const char* emptied = "";  // suffix of a file left empty
    };
    const std::string title2005 = "TIGER/Line Files, 2005 Second Edition, Massachusetts, Suffolk County";
    const auto blankVersion = [](std::string& r) { r.replace(1, 4, "    "); };
    const auto otherType = [](std::string& r) { r[0] = 'X'; };
    const auto longName = [](std::string& r) { r[121] = 'X'; };  // the last column of NAME
    const Case cases[] = {
        // The other family, told by the type I records before the county
        // starts, whatever layers are asked.
        {"2000 as 2005", '6', 'c', {}, "", nullptr,
         kAs2005 + "I records are 52 characters long, as in TIGER 94 to TIGER 2000 CD108: its record files are of "
                   "1994-2000, and VERSION 0401 of the county's type 1 file lies in the range the README gives TIGER "
                   "2000, 0301 to 0801 (Choose Type button 24, edition character '6')\n",
         true},
        {"2005 as 2000 with roads, VERSION blank", 'c', '6', {0}, "rt1", blankVersion,
         kAs2000 + "I records are 127 characters long, as in TIGER 2002 to TIGER 2006 Second Edition: its record "
                   "files are of 2002-2006 (Choose Type buttons 27 to 31; the title of its .met file tells which)\n",
         true},
        {"2005 titled, as 2000 with railroads", 'c', '6', {1}, "", nullptr,
         "Edition chosen: TIGER 2000. The title of the county's .met file TGR25901.MET names the release \"2005 "
         "Second Edition\": that is TIGER 2004 2nd edition/2005 1st or 2nd edition (Choose Type button 30, edition "
         "character 'c')\n",
         true, title2005},
        {"2000 as TIGER 94", '6', '0', {1}, "", nullptr,
         "Edition chosen: TIGER 94. That edition reads .f61, .f62 ... files, and the county's are .rt1, .rt2 ... "
         "files (TGR25901.RT1): those are read by Choose Type buttons 20 to 31 (TIGER 97 to TIGER 2006 Second "
         "Edition)\n",
         true},
        // Without type I records the type C reader tells the length.
        {"2005 as 2000 with tracts, no type I records", 'c', '6', {39}, "rtc", longName,
         "ERROR in type C record 1: 122 characters, more than the 112 of its record type\n" + kAs2000 +
             "C records are 122 characters long, as in TIGER 2002 to TIGER 2006 Second Edition" + k2005Version,
         true, "", "rti"},
        // The 2002-2006 editions share their layouts: the choice stands.
        {"2005 as 2002", 'c', '9', {9}, "", nullptr, "", false},
        // Damaged records of the chosen edition's length.
        {"2005 damaged", 'c', 'c', {}, "rti", otherType, "ERROR in type I record 1: the record type in column 1 is 'X'\n",
         false},
        {"2000 damaged", '6', '6', {39}, "rtc", otherType,
         "ERROR in type C record 1: the record type in column 1 is 'X'\n", false},
        // The county's own files name another edition of its family: the
        // county stops before it starts.
        {"2005 titled, as 2006", 'c', 'd', {9}, "", nullptr,
         "Edition chosen: TIGER 2006 Second Edition. The title of the county's .met file TGR25901.MET names the "
         "release \"2005 Second Edition\": that is TIGER 2004 2nd edition/2005 1st or 2nd edition (Choose Type "
         "button 30, edition character 'c')\n",
         true, title2005},
        {"2005 titled, as its own", 'c', 'c', {9}, "", nullptr, "", false, title2005},
        {"a title of no edition", 'c', 'b', {9}, "", nullptr, "", false, "TIGER/Line Files, 2006 First Edition, X"},
        {"2000 as 99", '6', '5', {39}, "", nullptr,
         "Edition chosen: TIGER 99. VERSION 0401 of the county's type 1 file lies in the range the README gives "
         "TIGER 2000, 0301 to 0801 (Choose Type button 24, edition character '6')\n",
         true},
        {"2000 as the Dress Rehearsal", '6', '4', {39}, "", nullptr, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        countygen::CountySpec spec;
        spec.edition = c.county;
        spec.metTitle = c.title;
        const countygen::GeneratedCounty county = countygen::WriteCounty(spec, dir.path());
        if (*c.changed) ChangeFirstRecord(countygen::CountyFilePath(spec, dir.path(), c.changed), c.change);
        if (*c.emptied) WriteFile(countygen::CountyFilePath(spec, dir.path(), c.emptied), "");
        const bool older = c.chosen <= '8';
        std::string options = older ? OldOptions(c.chosen, '0') : Options(c.chosen, '0');
        for (int f : c.flags) options[static_cast<size_t>(f)] = '1';
        // convert_county calls the library and says on standard error what
        // the log says of the failure and of the edition.
        std::ostringstream said, err;
        const int result = convertcounty::RunCommandLine({county.type1Path, dir.path(), options}, said, err);
        const std::string log = LogOf(dir.path(), county.baseName);
        EXPECT_EQ(result, c.expected.empty() ? tigercore::kCountyConverted : tigercore::kCountyFailed) << log;
        if (!c.expected.empty()) {
            EXPECT_HAS(log, c.expected);
            EXPECT_EQ(err.str(), "convert_county: " + county.baseName + " failed: see " + dir / county.baseName +
                                     ".log: " + c.expected);
            // Stopped before it starts: not even its folder is left.
            if (c.expected.rfind("Edition chosen: ", 0) == 0) {
                EXPECT_FALSE(platform::IsDirectory(dir / county.baseName));
            }
        }
        if (!c.editionLine) {
            EXPECT_LACKS(log, "Edition chosen");
        }
    }
}

}  // namespace
