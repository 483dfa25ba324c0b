// convert_county --options: the strings it makes, and the settings it
// refuses (the edition's position, an organisation given bare or out of
// '0' to '3').
#include "options_help.h"
#include "support/option_strings.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>

TEST(ConvertCountyOptions, MakesStringsAndRefusesTheEditionAndABareOrganisation) {
    using testsupport::OptionsString;
    const std::string refused[][3] = {{"c", "53", "position 53 holds the edition, which EDITION gives: 53"},
                                      {"6", "53=c", "position 53 holds the edition, which EDITION gives: 53=c"},
                                      {"c", "79", "position 79 takes the organisation character (79=0 to 79=3): 79"},
                                      {"6", "50", "position 50 takes the organisation character (50=0 to 50=3): 50"},
                                      {"c", "79=7", "position 79 takes the organisation character (79=0 to 79=3): 79=7"},
                                      {"6", "50=x", "position 50 takes the organisation character (50=0 to 50=3): 50=x"}};
    for (const auto& r : refused) {
        std::string options, error;
        EXPECT_FALSE(convertcounty::MakeOptions(r[0][0], {"8", r[1]}, options, error));
        EXPECT_EQ(error, r[2]);
    }
    std::string later, older, error;
    ASSERT_TRUE(convertcounty::MakeOptions('c', {"0", "79=2", "81"}, later, error));
    ASSERT_TRUE(convertcounty::MakeOptions('6', {"0=2", "50=1", "8"}, older, error));
    EXPECT_EQ(later, OptionsString(86, {0, 81}, {{53, 'c'}, {79, '2'}}));
    EXPECT_EQ(older, OptionsString(56, {8}, {{0, '2'}, {50, '1'}, {53, '6'}}));
    EXPECT_HAS(convertcounty::UsageText(), "Every position listed below is a flag (any character but '0' sets\nit)");
}
