// How a session of pellard ends and the exit status that tells it: GO,
// Cancel, the end of the input, refused commands and values, failed
// counties, lines ended by CR LF; a county's other record file named at
// Add; and every control command the README names, driven.
#include "frontend/library_entries.h"
#include "platform/files.h"
#include "support/frontend_session.h"
#include "support/option_strings.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>
#include <regex>

namespace {

using testsupport::OptionsString;
using testsupport::RecordedCalls;

class SessionEndTest : public testsupport::FrontEndTest {};

int FailingDisplay(const char* inputPath, const char* outputDir, const char* options, int n, int count) {
    testsupport::RecordingEntries().display(inputPath, outputDir, options, n, count);
    return 1;
}

std::string WithCrLf(std::string script) {
    return std::regex_replace(script, std::regex("\n"), "\r\n");
}

TEST_F(SessionEndTest, EachEndingHasItsStatus) {
    const std::string a = File("TGR01001.BW1"), out = dir_ / "out";
    ASSERT_TRUE(platform::MakeDirectory(out));
    const std::string add = "press 11\n" + a + "\ncheck 108\nok\n", go = "ok\nset 31 " + out + "\nok\n";
    struct Case {
        const char* name;
        std::string script;
        int status;
        size_t calls;
        bool countyFails = false;
    };
    const Case cases[] = {
        {"GO converts every county", add + go, 0, 1},
        {"Cancel", add + "escape\n", 0, 0},
        {"the close box", add + "close\n", 0, 0},
        {"GO left by the close box, then Cancel", add + "ok\nclose\npress 2\n", 0, 0},
        {"lines ended by CR LF", WithCrLf(add + go), 0, 1},
        {"the input ends before GO", add, 2, 0},
        {"the input ends in the output options", add + "ok\n", 2, 0},
        {"an unknown command", "frobnicate\n" + add + go, 2, 1},
        {"an ID that is no control", add + "press 99\n" + go, 2, 1},
        {"a disabled control", "press 11\n" + a + "\ncheck 100\ncheck 108\nok\n" + go, 2, 1},
        {"a path that does not exist", "press 11\n" + (dir_ / "none.bw1") + "\n" + add + go, 2, 1},
        {"an output directory that does not exist",
         add + "ok\nset 31 " + (dir_ / "none") + "\nok\nset 31 " + out + "\nok\n", 2, 1},
        {"a county fails", add + go, 1, 1, true},
        {"a county fails and a command is refused", add + "press 99\n" + go, 2, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordedCalls().clear();
        frontend::Libraries().display = c.countyFails ? FailingDisplay : testsupport::RecordingEntries().display;
        RunSession(c.script);
        EXPECT_EQ(exitStatus_, c.status);
        ASSERT_EQ(RecordedCalls().size(), c.calls);
        if (c.calls) {
            EXPECT_EQ(RecordedCalls()[0].outputDir, out);  // no CR left on "set 31"
        }
    }
}

TEST_F(SessionEndTest, AnotherRecordFileOfACountyNamesItsType1File) {
    const std::string rt1 = File("TGR25901.RT1"), rta = File("TGR25901.RTA"), bw1 = File("tgr02013.bw1"),
                      bw3 = File("TGR02013.BW3");
    for (const auto& [picked, type1] : {std::make_pair(rta, rt1), std::make_pair(bw3, bw1)}) {
        RecordedCalls().clear();
        const std::string output = RunSession("press 11\n" + picked + "\nok\nset 31 " + dir_.path() + "\nok\n");
        EXPECT_HAS(output, "[pellard] " + picked + " is not a type 1 record file; add the county's type 1 file " +
                               type1 + "\n");
        EXPECT_LACKS(output, "=== Tiger Type ===");
        EXPECT_TRUE(RecordedCalls().empty());
        EXPECT_EQ(exitStatus_, 2);
    }
}

// Each control command of the README (`check 248`, `press 301` ...) is taken
// by one of these sessions in the dialog the README names it for.
TEST_F(SessionEndTest, TheReadmeCommandsAreTaken) {
    const std::string a = File("a.rt1"), b = File("b.rt1"), c = File("c.rt1"), out = dir_ / "out";
    ASSERT_TRUE(platform::MakeDirectory(out));
    // a: 2005 with the economic census boxes; b: TIGER 2000 after Select All
    // and Clear All, its options then used for c unasked.
    const std::string mixed = "press 11\n" + a + " " + b + " " + c +
                              "\ncheck 30\nuncheck 40\nok\ncheck 248\ncheck 250\ncheck 252\ncheck 139\nok\n"
                              "check 24\nok\npress 301\npress 302\ncheck 108\ncheck 139\ncheck 300\nok\n"
                              "ok\nset 31 " + out + "\ncheck 22\ncheck 23\ncheck 21\ncheck 40\nok\n";
    const std::string single = "press 11\n" + a + "\ncheck 24\nok\ncheck 108\nok\nok\nset 31 " + out +
                               "\ncheck 24\nok\n";
    RunSession(mixed);
    EXPECT_EQ(exitStatus_, 0);
    ASSERT_EQ(RecordedCalls().size(), 3u);
    EXPECT_EQ(RecordedCalls()[0].options, OptionsString(86, {39, 48, 50, 52, 81}, {{53, 'c'}}));
    EXPECT_EQ(RecordedCalls()[1].options, OptionsString(56, {8, 39, 51}, {{53, '6'}}));
    EXPECT_EQ(RecordedCalls()[2].options, RecordedCalls()[1].options);
    RecordedCalls().clear();
    RunSession(single);
    EXPECT_EQ(exitStatus_, 0);
    ASSERT_EQ(RecordedCalls().size(), 1u);
    EXPECT_EQ(RecordedCalls()[0].options, OptionsString(56, {8}, {{50, '3'}, {53, '6'}}));

    const std::string readme = testsupport::ReadFile(PELLARD_SOURCE_DIR "/README.md"), driven = mixed + single;
    const std::regex command("`(press|check|uncheck|set) ([0-9]+)");
    int named = 0;
    for (std::sregex_iterator m(readme.begin(), readme.end(), command), end; m != end; ++m, ++named) {
        const std::string line = (*m)[1].str() + " " + (*m)[2].str();
        EXPECT_TRUE(std::regex_search(driven, std::regex("(^|\n)" + line + "[\n ]"))) << line;
    }
    EXPECT_GE(named, 18);
}

}  // namespace
