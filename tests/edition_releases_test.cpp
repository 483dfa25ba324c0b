// The releases a county's own files name, as the table of "Which edition to
// choose" in the README gives them: every .met title of a 2002-2006 release
// names its edition, and the first and last VERSION of every range of a
// 1994-2000 release name that release and range, while the months just
// outside each range name none.
#include "support/temp_dir.h"
#include "tigercore/edition_lengths.h"

#include <gtest/gtest.h>

#include <string>

using namespace testsupport;
using tigercore::OtherReleaseNote;

namespace {

TEST(EditionReleases, EveryTitleNamesItsEdition) {
    const struct {
        const char* release;
        char own, chosen;  // the title's edition; another one it is converted as
        const char* chosenText;
        const char* named;  // the title's edition as the line names it
    } cases[] = {
        {"2002", '9', 'd', "TIGER 2006 Second Edition", "TIGER 2002 (Choose Type button 27, edition character '9')"},
        {"2003", 'a', 'd', "TIGER 2006 Second Edition", "TIGER 2003 (Choose Type button 28, edition character 'a')"},
        {"2004 First Edition", 'b', 'd', "TIGER 2006 Second Edition",
         "TIGER 2004 first edition (Choose Type button 29, edition character 'b')"},
        {"2004 Second Edition", 'c', 'd', "TIGER 2006 Second Edition",
         "TIGER 2004 2nd edition/2005 1st or 2nd edition (Choose Type button 30, edition character 'c')"},
        {"2005 First Edition", 'c', '9', "TIGER 2002",
         "TIGER 2004 2nd edition/2005 1st or 2nd edition (Choose Type button 30, edition character 'c')"},
        {"2005 Second Edition", 'c', 'a', "TIGER 2003",
         "TIGER 2004 2nd edition/2005 1st or 2nd edition (Choose Type button 30, edition character 'c')"},
        {"2006 Second Edition", 'd', 'b', "TIGER 2004 first edition",
         "TIGER 2006 Second Edition (Choose Type button 31, edition character 'd')"},
    };
    TempDir dir;
    const std::string met = dir / "TGR25025.MET", typeOne = dir / "TGR25025.RT1";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.release);
        WriteFile(met, std::string("Identification_Information:\n  Citation:\n    Citation_Information:\n") +
                           "      Title: TIGER/Line Files, " + c.release + ", Massachusetts, Suffolk County\n");
        EXPECT_EQ(OtherReleaseNote(c.chosen, typeOne, met),
                  std::string("Edition chosen: ") + c.chosenText +
                      ". The title of the county's .met file TGR25025.MET names the release \"" + c.release +
                      "\": that is " + c.named);
        EXPECT_EQ(OtherReleaseNote(c.own, typeOne, met), "");
    }
}

TEST(EditionReleases, EachEndOfEveryVersionRangeNamesItsRelease) {
    // The edition chosen has a range of its own that holds none of the
    // VERSIONs it is asked of, nor those next to them.
    const struct {
        const char* version;
        char chosen;
        const char* chosenText;
        const char* holder;  // the release and range the line names; "" no line
    } cases[] = {
        {"0697", '6', "TIGER 2000", "TIGER 97, 0697 to 1098 (Choose Type button 20, edition character '2')"},
        {"1098", '6', "TIGER 2000", "TIGER 97, 0697 to 1098 (Choose Type button 20, edition character '2')"},
        {"1298", '6', "TIGER 2000", "TIGER 98, 1298 to 0499 (Choose Type button 21, edition character '3')"},
        {"0499", '6', "TIGER 2000", "TIGER 98, 1298 to 0499 (Choose Type button 21, edition character '3')"},
        {"0600", '6', "TIGER 2000", "TIGER 99, 0600 to 0800 (Choose Type button 23, edition character '5')"},
        {"0800", '6', "TIGER 2000", "TIGER 99, 0600 to 0800 (Choose Type button 23, edition character '5')"},
        {"1000", '6', "TIGER 2000", "TIGER 99, 1000 to 1100 (Choose Type button 23, edition character '5')"},
        {"1100", '6', "TIGER 2000", "TIGER 99, 1000 to 1100 (Choose Type button 23, edition character '5')"},
        {"0301", '2', "TIGER 97", "TIGER 2000, 0301 to 0801 (Choose Type button 24, edition character '6')"},
        {"0801", '2', "TIGER 97", "TIGER 2000, 0301 to 0801 (Choose Type button 24, edition character '6')"},
        {"0302", '6', "TIGER 2000",
         "TIGER 2000 Urban Areas, 0302 to 0502 (Choose Type button 25, edition character '7')"},
        {"0502", '6', "TIGER 2000",
         "TIGER 2000 Urban Areas, 0302 to 0502 (Choose Type button 25, edition character '7')"},
        // The month before and after each range (1198 and 0900 lie between
        // two): in none.
        {"0597", '6', "", ""},
        {"1198", '6', "", ""},
        {"0599", '6', "", ""},
        {"0500", '6', "", ""},
        {"0900", '6', "", ""},
        {"1200", '6', "", ""},
        {"0201", '2', "", ""},
        {"0901", '2', "", ""},
        {"0202", '6', "", ""},
        {"0602", '6', "", ""},
    };
    TempDir dir;
    const std::string typeOne = dir / "TGR25025.RT1";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        WriteFile(typeOne, "1" + std::string(c.version) + std::string(223, ' ') + "\n");
        std::string expected;
        if (*c.holder)
            expected = "Edition chosen: " + std::string(c.chosenText) + ". VERSION " + c.version +
                       " of the county's type 1 file lies in the range the README gives " + c.holder;
        EXPECT_EQ(OtherReleaseNote(c.chosen, typeOne, dir / "TGR25025.MET"), expected);
    }
}

}  // namespace
