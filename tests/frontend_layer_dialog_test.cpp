// The two layer dialogs: positions, labels, enabled and hidden boxes per
// edition, Select All, Clear All, "Use these options for all subsequent
// cases" and the options strings they write.
#include "frontend/command_line.h"
#include "frontend/job_globals.h"
#include "frontend/layer_options_dialog.h"
#include "frontend/layer_options_v2_dialog.h"
#include "support/option_strings.h"

#include "platform/dialog.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace {

using frontend::CLayerOptionsDlg;
using frontend::CLayerOptionsV2Dlg;
using testsupport::OptionsString;
using testsupport::Range;
using testsupport::operator+;

// Runs a layer dialog of `code` on `script` with `loaded` as gLayerOptions;
// returns what the dialog wrote.
template <typename Dlg>
std::string RunDialog(Dlg& dialog, int code, const std::string& loaded, const std::string& script,
                std::string* output = nullptr) {
    frontend::gCurrentEdition = code;
    frontend::gLayerOptions = loaded;
    std::istringstream in(script);
    std::ostringstream out;
    dialog.DoModal(in, out);
    if (output) *output = out.str();
    return out.str();
}

// The enabled layer boxes of the 1994-2000 dialog, by edition.
std::set<int> EnabledOlder(int code) {
    std::set<int> enabled = {8, 10, 11, 12, 13, 14, 15, 16, 20, 21, 22, 23, 24, 25, 27,
                             29, 30, 31, 32, 33, 34, 35, 36, 54};
    auto in = [code](int first, int last) { return code >= first && code <= last; };
    if (in(97, 103)) enabled.insert({9, 19, 38});
    if (in(94, 99)) enabled.insert(17);
    if (in(99, 103)) enabled.insert({18, 39, 40});
    if (in(100, 103)) enabled.insert({26, 42, 44, 46, 47});
    if (in(94, 95)) enabled.insert(28);
    if (in(98, 103)) enabled.insert(37);
    if (code == 99 || in(101, 103)) enabled.insert(41);
    if (in(102, 103)) enabled.insert({45, 48});
    if (code == 103) enabled.insert(49);
    return enabled;
}

class LayerDialogTest : public ::testing::Test {
protected:
    void SetUp() override { frontend::ResetJobGlobals(); }
};

TEST_F(LayerDialogTest, OlderEditionsEnableExactlyTheirLayers) {
    for (int code : {94, 95, 97, 98, 99, 100, 101, 102, 103}) {
        CLayerOptionsDlg dialog;
        RunDialog(dialog, code, std::string(56, '0'), "");
        std::set<int> enabled;
        for (int p = 0; p < 56; ++p) {
            const platform::Control* box = dialog.GetDlgItem(CLayerOptionsDlg::LayerId(p));
            if (box && box->enabled) enabled.insert(p);
        }
        EXPECT_EQ(enabled, EnabledOlder(code)) << "code " << code;
    }
}

TEST_F(LayerDialogTest, OlderEditionsSelectAllTicksTheEnabledLayers) {
    for (int code : {94, 95, 97, 98, 99, 100, 101, 102, 103}) {
        CLayerOptionsDlg dialog;
        RunDialog(dialog, code, std::string(56, '0'), "press 301\nok\n");
        char edition = code == 94 ? '0' : code == 95 ? '1' : static_cast<char>('2' + code - 97);
        EXPECT_EQ(frontend::gLayerOptions, OptionsString(56, EnabledOlder(code), {{53, edition}})) << "code " << code;
    }
}

TEST_F(LayerDialogTest, Tiger2000SelectAllGivesTheDocumentedString) {
    CLayerOptionsDlg dialog;
    RunDialog(dialog, 101, std::string(56, '0'), "press 301\nok\n");
    EXPECT_EQ(frontend::gLayerOptions,
              OptionsString(56, Range(8, 16) + Range(18, 27) + Range(29, 42) + std::set<int>{44, 46, 47, 54},
                            {{53, '6'}}));
    EXPECT_EQ(frontend::gSetForAllActive, 0);  // Select All leaves that box alone here
}

TEST_F(LayerDialogTest, OlderEditionsCaptionsAndLabels) {
    struct Case {
        int code;
        const char* caption;
        int position;
        const char* label;
    };
    const Case cases[] = {
        {94, "Layer Extraction Options for TIGER 94", 5, "Type F"},
        {98, "Layer Extraction Options for TIGER 98", 5, "Types F and G"},
        {99, "Layer Extraction Options for Census 2000 Dress Rehearsal", 20, "AIR 2000"},
        {99, "Layer Extraction Options for Census 2000 Dress Rehearsal", 35, "State House Districts 2000"},
        {100, "Layer Extraction Options for TIGER99/2000 Redistricting", 19, "AIANHHCE90"},
        {100, "Layer Extraction Options for TIGER99/2000 Redistricting", 36, "State Lower Chamber"},
        {101, "Layer Extraction Options for TIGER 2000", 9, "County 2000"},
        {102, "Layer Extraction Options for TIGER 2000 Urban Areas", 21, "ANRC Current"},
        {103, "Layer Extraction Options for 108th Congressional Districts TIGER 2000", 34,
         "Congressional Districts Current (108th)"},
        {103, "Layer Extraction Options for 108th Congressional Districts TIGER 2000", 37, "Urban 2000 Corrected"},
        {97, "Layer Extraction Options for TIGER 97", 37, "Census 2000 Collection Blocks"},
    };
    for (const Case& c : cases) {
        CLayerOptionsDlg dialog;
        RunDialog(dialog, c.code, std::string(56, '0'), "");
        EXPECT_EQ(dialog.Caption(), c.caption);
        EXPECT_EQ(dialog.GetDlgItem(CLayerOptionsDlg::LayerId(c.position))->label, c.label) << c.code;
    }
}

TEST_F(LayerDialogTest, DisabledBoxesAreRefusedButKeepWhatTheStringSet) {
    CLayerOptionsDlg dialog;
    std::string output;
    // "Middle School Districts" (28) is disabled for TIGER 2000, yet a
    // loaded '1' there survives OK; position 43 and the line classes do not.
    std::string loaded = OptionsString(56, {0, 3, 28, 43, 50, 51}, {{53, '6'}});
    RunDialog(dialog, 101, loaded, "check 128\nuncheck 128\ncheck 108\nok\n", &output);
    EXPECT_NE(output.find("control 128 is not available"), std::string::npos);
    EXPECT_EQ(frontend::gLayerOptions, OptionsString(56, {8, 28}, {{53, '6'}}));
}

TEST_F(LayerDialogTest, OlderDialogWithSetForAllActive) {
    frontend::gSetForAllActive = 1;
    frontend::gSetForAllOptions = "remembered";
    frontend::gSetForAllEdition = 97;
    CLayerOptionsDlg dialog;
    std::string output;
    RunDialog(dialog, 101, std::string(56, '0'), "press 302\nok\n", &output);
    EXPECT_NE(output.find("[300] check [x] Use these options for all subsequent cases (disabled)"),
              std::string::npos);
    EXPECT_EQ(frontend::gSetForAllOptions, "remembered");
    EXPECT_EQ(frontend::gSetForAllEdition, 97);

    // Clear All leaves the box alone; ticked, OK takes "Set for All" up.
    frontend::gSetForAllActive = 0;
    CLayerOptionsDlg fresh;
    RunDialog(fresh, 98, OptionsString(56, {8, 9}, {{53, '3'}}), "check 300\npress 302\nok\n");
    EXPECT_EQ(frontend::gLayerOptions, OptionsString(56, {}, {{53, '3'}}));
    EXPECT_EQ(frontend::gSetForAllActive, 1);
    EXPECT_EQ(frontend::gSetForAllEdition, 98);
    EXPECT_EQ(frontend::gSetForAllOptions, frontend::gLayerOptions);
}

TEST_F(LayerDialogTest, OlderDialogLeftWithoutOkLeavesTheString) {
    for (const char* end : {"escape\n", "close\n", ""}) {
        CLayerOptionsDlg dialog;
        RunDialog(dialog, 101, "loaded", std::string("press 301\n") + end);
        EXPECT_EQ(frontend::gLayerOptions, "loaded");
    }
}

TEST_F(LayerDialogTest, Tiger2002SelectAll) {
    CLayerOptionsV2Dlg dialog;
    RunDialog(dialog, 104, std::string(86, '0'), "press 301\nok\n");
    EXPECT_EQ(frontend::gLayerOptions,
              OptionsString(86, Range(8, 52) + Range(54, 71) + std::set<int>{80}, {{53, '9'}}));
    EXPECT_EQ(frontend::gSetForAllActive, 1);
    EXPECT_EQ(frontend::gSetForAllEdition, 104);
}

TEST_F(LayerDialogTest, Tiger2003SelectAllTakesTheEconomicBoxes) {
    CLayerOptionsV2Dlg dialog;
    RunDialog(dialog, 105, std::string(86, '0'), "press 301\nok\n");
    EXPECT_EQ(frontend::gLayerOptions,
              OptionsString(86, Range(8, 52) + Range(54, 77) + std::set<int>{80}, {{53, 'a'}}));
    // The position comes from "County Economic": unticking it clears 48
    // although "MSA/CMSA Current" is what the string had.
    CLayerOptionsV2Dlg again;
    RunDialog(again, 105, OptionsString(86, {48, 72}, {{53, 'a'}}), "uncheck 248\nok\n");
    EXPECT_EQ(frontend::gLayerOptions, OptionsString(86, {72}, {{53, 'a'}}));
}

TEST_F(LayerDialogTest, TheTwoBoxesOfOnePosition) {
    CLayerOptionsV2Dlg older;
    RunDialog(older, 104, OptionsString(86, {48, 50, 72}, {{53, '9'}}), "");
    EXPECT_EQ(older.IsDlgButtonChecked(CLayerOptionsV2Dlg::LayerId(48)), 1);
    EXPECT_EQ(older.IsDlgButtonChecked(CLayerOptionsV2Dlg::SecondId(48)), 0);
    EXPECT_TRUE(older.GetDlgItem(CLayerOptionsV2Dlg::LayerId(48))->enabled);
    EXPECT_FALSE(older.GetDlgItem(CLayerOptionsV2Dlg::SecondId(48))->visible);
    EXPECT_FALSE(older.GetDlgItem(CLayerOptionsV2Dlg::LayerId(72))->visible);
    EXPECT_FALSE(older.GetDlgItem(CLayerOptionsV2Dlg::kEconomicGroupId)->visible);

    CLayerOptionsV2Dlg later;
    RunDialog(later, 107, OptionsString(86, {48, 50, 72}, {{53, 'c'}}), "");
    EXPECT_EQ(later.IsDlgButtonChecked(CLayerOptionsV2Dlg::LayerId(48)), 0);
    EXPECT_FALSE(later.GetDlgItem(CLayerOptionsV2Dlg::LayerId(48))->enabled);
    EXPECT_EQ(later.IsDlgButtonChecked(CLayerOptionsV2Dlg::SecondId(48)), 1);
    EXPECT_EQ(later.IsDlgButtonChecked(CLayerOptionsV2Dlg::SecondId(50)), 1);
    EXPECT_EQ(later.IsDlgButtonChecked(CLayerOptionsV2Dlg::LayerId(72)), 1);
    EXPECT_TRUE(later.GetDlgItem(CLayerOptionsV2Dlg::kEconomicGroupId)->visible);
    EXPECT_EQ(later.GetDlgItem(CLayerOptionsV2Dlg::SecondId(52))->label, "Commercial Region Code");
}

TEST_F(LayerDialogTest, LaterEditionsCaptionsAndLabels) {
    struct Case {
        int code;
        const char* caption;
        const char* cd106;
        const char* cdCurrent;
        const char* urban;
        const char* upper;
    };
    const Case cases[] = {
        {104, "Layer Extraction Options for TIGER 2002", "106th Congressional Districts",
         "Congressional Districts Current", "Urban 2000", "State Legislative Districts, Upper House"},
        {105, "Layer Extraction Options for TIGER 2003", "106th Congressional Districts",
         "Congressional Districts Current", "Urban 2000", "State Legislative Districts, Upper House"},
        {106, "Layer Extraction Options for TIGER 2004, First Edition", "106th Congressional Districts",
         "108th Congressional Districts", "Urban 2000", "State Legislative Districts, Upper House"},
        {107, "Options for TIGER 2004, 2nd Edition/TIGER 2005, TIGER 2006 1st Edition",
         "106th and 108th Congressional Districts", "109th Congressional Districts", "Urban 2000",
         "State Legislative Districts, Upper House"},
        {108, "Options for TIGER 2006 2nd Edition", "106th and 108th Congressional Districts",
         "110th Congressional Districts", "Urban 2000 and Current", "State Upper House 2000 and Current"},
    };
    for (const Case& c : cases) {
        CLayerOptionsV2Dlg dialog;
        RunDialog(dialog, c.code, std::string(86, '0'), "");
        EXPECT_EQ(dialog.Caption(), c.caption);
        EXPECT_EQ(dialog.GetDlgItem(CLayerOptionsV2Dlg::LayerId(54))->label, c.cd106);
        EXPECT_EQ(dialog.GetDlgItem(CLayerOptionsV2Dlg::LayerId(55))->label, c.cdCurrent);
        EXPECT_EQ(dialog.GetDlgItem(CLayerOptionsV2Dlg::LayerId(60))->label, c.urban);
        EXPECT_EQ(dialog.GetDlgItem(CLayerOptionsV2Dlg::LayerId(64))->label, c.upper);
    }
}

TEST_F(LayerDialogTest, HiddenCorrectionsChangeOnlyThroughTheString) {
    CLayerOptionsV2Dlg dialog;
    std::string output;
    RunDialog(dialog, 104, OptionsString(86, {13, 61}, {{53, '9'}}), "check 116\ncheck 103\ncheck 303\ncheck 110\nok\n",
              &output);
    EXPECT_NE(output.find("control 116 is not available"), std::string::npos);
    EXPECT_NE(output.find("control 103 is not available"), std::string::npos);  // a line class
    EXPECT_NE(output.find("control 303 is not available"), std::string::npos);  // TAZ State Combined
    EXPECT_EQ(output.find("Tract Correction"), std::string::npos);
    EXPECT_NE(output.find("Corrected Count Polys"), std::string::npos);
    EXPECT_EQ(frontend::gLayerOptions, OptionsString(86, {10, 13, 61}, {{53, '9'}}));
}

TEST_F(LayerDialogTest, LaterDialogWithSetForAllActiveAndClearAll) {
    frontend::gSetForAllActive = 1;
    frontend::gSetForAllOptions = "remembered";
    CLayerOptionsV2Dlg dialog;
    std::string output;
    RunDialog(dialog, 106, std::string(86, '0'), "check 109\nok\n", &output);
    EXPECT_NE(output.find("[300] check [ ] Use these options for all subsequent cases (disabled)"),
              std::string::npos);
    EXPECT_EQ(frontend::gSetForAllOptions, "remembered");
    EXPECT_EQ(frontend::gLayerOptions, OptionsString(86, {9}, {{53, 'b'}}));

    frontend::gSetForAllActive = 0;
    CLayerOptionsV2Dlg cleared;
    RunDialog(cleared, 108, OptionsString(86, {8, 48, 72, 80}, {{53, 'd'}}), "press 301\npress 302\nok\n");
    EXPECT_EQ(frontend::gLayerOptions, OptionsString(86, {}, {{53, 'd'}}));
    EXPECT_EQ(frontend::gSetForAllActive, 0);  // Clear All unticked the box again
}

// pellard --help against the layer dialogs: each control of a dialog's
// section takes its command in exactly the editions its line names (all of
// the dialog's when none) and refuses it in the others.
template <typename Dlg>
void CheckHelpSection(const std::string& heading, const std::set<int>& codes) {
    std::string text = frontend::UsageText();
    text = text.substr(text.find(heading));
    text = std::regex_replace(text.substr(0, text.find("\n\n")), std::regex("\n {14}"), " ");  // wrapped lines
    const std::regex entry("\n  ([0-9]+) +([a-z]+)"), group("\\(([0-9][0-9, -]*)\\)"), range("([0-9]+)(-([0-9]+))?");
    int entries = 0;
    for (std::sregex_iterator e(text.begin(), text.end(), entry), end; e != end; ++e, ++entries) {
        const std::string line = text.substr(e->position(), text.find('\n', e->position() + 1) - e->position());
        std::set<int> offered;
        for (std::sregex_iterator g(line.begin(), line.end(), group); g != end; ++g) {
            const std::string list = (*g)[1];
            for (std::sregex_iterator r(list.begin(), list.end(), range); r != end; ++r)
                for (int code = std::stoi((*r)[1]); code <= std::stoi((*r)[(*r)[3].matched ? 3 : 1]); ++code)
                    offered.insert(code);
        }
        for (int code : codes) {
            Dlg dialog;
            const int before = platform::RefusalCount();
            RunDialog(dialog, code, std::string(frontend::OptionsLengthOf(code), '0'),
                      ((*e)[2] == "button" ? "press " : "check ") + (*e)[1].str() + "\n");
            EXPECT_EQ(platform::RefusalCount() > before, !offered.empty() && !offered.count(code)) << line << code;
        }
    }
    EXPECT_GE(entries, 46);
}

TEST_F(LayerDialogTest, HelpListsEachControlWithTheEditionsThatTakeIt) {
    CheckHelpSection<CLayerOptionsDlg>("Layer dialog of editions 94", {94, 95, 97, 98, 99, 100, 101, 102, 103});
    CheckHelpSection<CLayerOptionsV2Dlg>("Layer dialog of editions 104", Range(104, 108));
}

}  // namespace
