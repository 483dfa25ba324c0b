// How a session of pellard ends and the exit status that tells it (lines
// ended by CR LF, a county's other record file named at Add among them),
// and every control command the README names, driven.
#include "frontend/library_entries.h"
#include "platform/files.h"
#include "support/frontend_session.h"
#include "support/text_checks.h"

#include <gtest/gtest.h>
#include <regex>

namespace {

using testsupport::RecordedCalls;

class SessionEndTest : public testsupport::FrontEndTest {};

int FailingDisplay(const char* inputPath, const char* outputDir, const char* options, int n, int count) {
    testsupport::RecordingEntries().display(inputPath, outputDir, options, n, count);
    return 1;
}

TEST_F(SessionEndTest, EachEndingHasItsStatus) {
    const std::string a = File("TGR01001.BW1"), rta = File("TGR25901.RTA"), rt1 = File("TGR25901.RT1"),
                      out = dir_ / "out", none = dir_ / "none";
    ASSERT_TRUE(platform::MakeDirectory(out));
    const std::string add = "press 11\n" + a + "\ncheck 108\nok\n", go = "ok\nset 31 " + out + "\nok\n";
    const std::string nul(1, '\0');
    const std::string ended = "[pellard] Input ended before GO: nothing was converted\n",
                      endedInOptions =
                          "[pellard] Input ended before the output options were accepted: nothing was converted\n";
    struct Case {
        std::string script;
        int status;
        size_t calls;
        bool countyFails = false;
        std::string said = std::string();
    };
    const Case cases[] = {
        {add + go, 0, 1}, {add + "escape\n", 0, 0}, {add + "close\n", 0, 0}, {add + "ok\nclose\npress 2\n", 0, 0},
        {std::regex_replace(add + go, std::regex("\n"), "\r\n"), 0, 1},  // lines ended by CR LF
        {add, 2, 0, false, ended}, {add + "ok\n", 2, 0, false, endedInOptions},  // the input ends before GO
        {"frobnicate\n" + add + go, 2, 1}, {add + "press 99\n" + go, 2, 1},
        {"press 11\n" + a + "\ncheck 100\ncheck 108\nok\n" + go, 2, 1},  // a disabled box (a line class)
        {"press 11\n" + none + ".bw1\n" + add + go, 2, 1},
        {add + "ok\nset 31 " + none + "\nok\nset 31 " + out + "\nok\n", 2, 1},
        {add + go, 1, 1, true}, {add + "press 99\n" + go, 2, 1, true},
        {"press 11\n" + rta + "\nescape\n", 2, 0, false,
         "[pellard] " + rta + " is not a type 1 record file; add the county's type 1 file " + rt1 + "\n"},
        // A line holding a NUL is refused whole, a path as a command.
        {"press 11\n" + a + nul + "/etc/passwd\ncheck 108\nok\n" + go, 2, 0, false,
         "line refused, it holds a NUL character: " + a + "\\0/etc/passwd\n"},
        {"press 11\n" + a + "\ncheck 108" + nul + "\nok\n" + go, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        RecordedCalls().clear();
        frontend::Libraries().display = c.countyFails ? FailingDisplay : testsupport::RecordingEntries().display;
        const std::string said = RunSession(c.script);
        EXPECT_HAS(said, c.said);
        EXPECT_EQ(said.find(ended) != std::string::npos, c.said == ended);
        EXPECT_EQ(said.find(endedInOptions) != std::string::npos, c.said == endedInOptions);
        EXPECT_EQ(exitStatus_, c.status);
        ASSERT_EQ(RecordedCalls().size(), c.calls);
        for (const testsupport::RecordedCall& call : RecordedCalls()) EXPECT_EQ(call.outputDir, out);
    }
}

// Each control command of the README is taken (nothing refused) in one of
// these sessions: a 2005 county with the economic census boxes and two
// TIGER 2000 counties sharing one set of options; one TIGER 2000 county
// merged by theme.
TEST_F(SessionEndTest, TheReadmeCommandsAreTaken) {
    const std::string a = File("a.rt1"), out = dir_ / "out";
    ASSERT_TRUE(platform::MakeDirectory(out));
    const std::string mixed = "press 11\n" + a + " " + a + " " + a +
                              "\ncheck 30\nuncheck 40\nok\ncheck 248\ncheck 250\ncheck 252\ncheck 139\nok\n"
                              "check 24\nok\npress 301\npress 302\ncheck 108\ncheck 139\ncheck 300\nok\n"
                              "ok\nset 31 " + out + "\ncheck 22\ncheck 23\ncheck 21\ncheck 40\nok\n";
    const std::string single = "press 11\n" + a + "\ncheck 24\nok\ncheck 108\nok\nok\nset 31 " + out + "\ncheck 24\nok\n";
    for (const std::string& session : {mixed, single}) {
        RunSession(session);
        EXPECT_EQ(exitStatus_, 0);
    }
    EXPECT_EQ(RecordedCalls().size(), 4u);
    const std::string readme = testsupport::ReadFile(PELLARD_SOURCE_DIR "/README.md");
    const std::regex command("`((press|check|uncheck|set) [0-9]+)");
    int named = 0;
    for (std::sregex_iterator m(readme.begin(), readme.end(), command), end; m != end; ++m, ++named)
        EXPECT_TRUE(std::regex_search(mixed + single, std::regex("(^|\n)" + (*m)[1].str() + "[\n ]"))) << (*m)[1];
    EXPECT_GE(named, 18);
}

}  // namespace
