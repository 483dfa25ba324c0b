// The table of the options strings against what reads and writes them: the
// check boxes of each layer dialog, the strings a dialog and convert_county
// make, and the two libraries' decoding into their globals.
#include "conv1/display.h"
#include "conv1/job_state.h"
#include "conv2/display.h"
#include "conv2/job_state.h"
#include "frontend/conversion_run.h"
#include "frontend/job_globals.h"
#include "frontend/layer_options_dialog.h"
#include "frontend/layer_options_v2_dialog.h"
#include "options/options_strings.h"
#include "options_help.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>

namespace {

using options::DecodedOptions;
using options::OptionsFamily;

// What a library made of an options string, from its globals.
struct LibraryReading {
    int editionCode;
    char organisation;
    int clipWater;
    int pushPins;
    int numericAddresses;
};

struct FamilyCase {
    const OptionsFamily* family;
    std::function<std::unique_ptr<platform::Dialog>()> dialog;
    int dialogEdition;  // the front end's edition code for the dialog
    char edition;       // its character
    int libraryEditionCode;
    std::function<LibraryReading(const std::string& input, const std::string& out, const std::string& options)>
        convert;
};

const FamilyCase kCases[] = {
    {&options::kLaterOptions, [] { return std::make_unique<frontend::CLayerOptionsV2Dlg>(); }, 107, 'c', 105,
     [](const std::string& input, const std::string& out, const std::string& text) {
         vornak2::DisplayV2(input.c_str(), out.c_str(), text.c_str(), 1, 1);
         using namespace vornak2;
         return LibraryReading{gEditionCode, gOrganisationMode, gClipWaterPolygons, gKmlLabelPoints,
                               gNumericAddressFields};
     }},
    {&options::kOlderOptions, [] { return std::make_unique<frontend::CLayerOptionsDlg>(); }, 101, '6', 101,
     [](const std::string& input, const std::string& out, const std::string& text) {
         vornak::Display(input.c_str(), out.c_str(), text.c_str(), 1, 1);
         using namespace vornak;
         return LibraryReading{gEditionCode, gOrganisationMode, gClipWaterPolygons, gKmlLabelPoints,
                               gNumericAddressFields};
     }},
};

TEST(OptionsStrings, EveryLayerBoxIsARowOfItsFamilyWithTheBoxLabel) {
    for (const FamilyCase& c : kCases) {
        SCOPED_TRACE(c.family->length);
        const std::unique_ptr<platform::Dialog> dialog = c.dialog();
        std::set<int> boxes;
        for (const platform::Control& control : dialog->Controls()) {
            if (control.kind != platform::ControlKind::CheckBox || control.id < 100 || control.id >= 300) continue;
            boxes.insert(control.id);
            const options::OptionPosition* row = c.family->RowOfControl(control.id);
            ASSERT_NE(row, nullptr) << control.id;
            EXPECT_EQ(row->label, control.label);
            EXPECT_EQ(row->index, control.id % 100);
        }
        std::map<int, int> meanings;  // position: rows that tell what it asks for
        for (const options::OptionPosition& row : *c.family) {
            if (row.control != 0) {
                EXPECT_EQ(boxes.count(row.control), 1u) << row.control;
            }
            ASSERT_LT(static_cast<size_t>(row.index), c.family->length);
            if (row.meaning) ++meanings[row.index];
        }
        for (const auto& [position, count] : meanings) EXPECT_EQ(count, 1) << position;
        // The clip water box is the row of the clip water position.
        EXPECT_EQ(c.family->RowOfControl(100 + static_cast<int>(c.family->clipWater))->index,
                  static_cast<int>(c.family->clipWater));
    }
}

// A layer box elsewhere than its library's polygon flags, or at the edition
// or a setting there, is ticked and never read.
TEST(OptionsStrings, EveryLayerBoxIsAPolygonFlagItsLibraryReads) {
    const struct {
        const OptionsFamily* family;
        int first, last;
    } kRanges[] = {{&options::kLaterOptions, options::later::kFirstPolygonFlag, options::later::kLastPolygonFlag},
                   {&options::kOlderOptions, options::older::kFirstPolygonFlag, options::older::kLastPolygonFlag}};
    for (const auto& r : kRanges) {
        const std::set<size_t> named = {r.family->edition, r.family->organisation, r.family->pushPins};
        for (const options::OptionPosition& row : *r.family) {
            if (!row.IsLayerBox()) continue;
            EXPECT_TRUE(row.index >= r.first && row.index <= r.last) << r.family->length << ": " << row.index;
            EXPECT_EQ(named.count(static_cast<size_t>(row.index)), 0u) << r.family->length << ": " << row.index;
        }
    }
}

// The dialog ticks clip water, GO adds organisation '2', push pins and
// numeric addresses, convert_county makes the same settings: the decoding
// and each library read them at the named positions.
TEST(OptionsStrings, DialogsConvertCountyAndLibrariesAgreeOnTheNamedPositions) {
    for (const FamilyCase& c : kCases) {
        SCOPED_TRACE(c.edition);
        frontend::ResetJobGlobals();
        frontend::gCurrentEdition = c.dialogEdition;
        frontend::gLayerOptions = std::string(c.family->length, '0');
        std::istringstream in("check " + std::to_string(100 + c.family->clipWater) + "\nok\n");
        std::ostringstream shown;
        const std::unique_ptr<platform::Dialog> dialog = c.dialog();
        dialog->DoModal(in, shown);
        std::string fromDialog = frontend::gLayerOptions;
        fromDialog[0] = '1';  // the line classes come from no dialog
        frontend::gOutputOrganisation = 2;
        frontend::gCreatePushPins = 1;
        frontend::gAddressRangesAsNumbers = 1;
        fromDialog = frontend::OptionsForCall(fromDialog, c.family == &options::kLaterOptions);

        std::string fromTool, error;
        ASSERT_TRUE(convertcounty::MakeOptions(
            c.edition,
            {"0=2", std::to_string(c.family->organisation) + "=2", std::to_string(c.family->clipWater),
             std::to_string(c.family->pushPins)},
            fromTool, error))
            << error;
        EXPECT_EQ(fromDialog, fromTool);

        const DecodedOptions decoded = options::DecodeOptions(*c.family, fromTool);
        EXPECT_EQ(decoded.edition, c.edition);
        EXPECT_EQ(decoded.organisation, '2');
        EXPECT_TRUE(decoded.clipWater && decoded.pushPins && decoded.numericAddresses);

        testsupport::TempDir dir;
        const LibraryReading read = c.convert(dir / "TGR01001.RT1", dir.path(), fromTool);
        EXPECT_EQ(read.editionCode, c.libraryEditionCode);
        EXPECT_EQ(read.organisation, '2');
        EXPECT_EQ(read.clipWater, 1);
        EXPECT_EQ(read.pushPins, 1);
        EXPECT_EQ(read.numericAddresses, 1);
        // Any character but '0' sets them, as '1' does.
        std::string anyCharacter = fromTool;
        anyCharacter[c.family->clipWater] = '7';
        anyCharacter[c.family->pushPins] = 'x';
        const LibraryReading other = c.convert(dir / "TGR01001.RT1", dir.path(), anyCharacter);
        EXPECT_EQ(other.clipWater, 1);
        EXPECT_EQ(other.pushPins, 1);
    }
}

}  // namespace
