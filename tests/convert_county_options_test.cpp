// convert_county --options: the strings it makes, and the settings it
// refuses (the edition's position, a bare organisation position).
#include "options_help.h"
#include "support/option_strings.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

namespace {

using testsupport::OptionsString;

TEST(ConvertCountyOptions, MakesStringsAndRefusesTheEditionAndABareOrganisation) {
    struct Case {
        char edition;
        std::vector<std::string> settings;
        std::string made;   // empty when refused
        std::string error;  // empty when made
    };
    const Case cases[] = {
        {'c', {"0", "79=2", "81"}, OptionsString(86, {0, 81}, {{53, 'c'}, {79, '2'}}), ""},
        {'6', {"0=2", "50=1", "8"}, OptionsString(56, {8}, {{0, '2'}, {50, '1'}, {53, '6'}}), ""},
        {'c', {"53"}, "", "position 53 holds the edition, which EDITION gives: 53"},
        {'6', {"8", "53=c"}, "", "position 53 holds the edition, which EDITION gives: 53=c"},
        {'c', {"79"}, "", "position 79 takes the organisation character (79=0 to 79=3): 79"},
        {'6', {"50"}, "", "position 50 takes the organisation character (50=0 to 50=3): 50"},
        {'6', {"79=2"}, "", "not a position of the 56-character string: 79=2"},
        {'x', {}, "", "unknown edition 'x' (0-8 for 1994-2000, 9 or a-d for 2002-2006)"},
    };
    for (const Case& c : cases) {
        std::string options, error;
        EXPECT_EQ(convertcounty::MakeOptions(c.edition, c.settings, options, error), c.error.empty());
        EXPECT_EQ(error, c.error);
        if (c.error.empty()) {
            EXPECT_EQ(options, c.made);
        }
    }
    EXPECT_HAS(convertcounty::UsageText(), "Every position listed below is a flag (any character but '0' sets\nit)");
}

}  // namespace
