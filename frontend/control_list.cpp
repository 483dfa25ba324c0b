#include "frontend/control_list.h"

#include "frontend/choose_type_dialog.h"
#include "frontend/editions.h"
#include "frontend/job_globals.h"
#include "frontend/layer_options_dialog.h"
#include "frontend/layer_options_v2_dialog.h"
#include "frontend/main_dialog.h"
#include "frontend/output_options_dialog.h"
#include "platform/text.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <utility>

namespace frontend {

namespace {

using platform::Control;
using platform::ControlKind;
using Notes = std::map<int, std::string>;

bool Drivable(const Control& c) {
    return c.kind != ControlKind::Static && c.kind != ControlKind::Custom && c.kind != ControlKind::ProgressBar;
}

// One control: its ID, kind and text (and note), wrapped at 79 columns
// under the text.
std::string Line(const Control& c, const std::string& text, const Notes& notes) {
    constexpr size_t kWidth = 79;
    std::string line = platform::Format("  %-4d %-6s", c.id, platform::KindName(c.kind));
    const std::string indent(line.size() + 1, ' ');
    const auto note = notes.find(c.id);
    // Split at single blanks, so that the label keeps its own blanks.
    const std::string all = note == notes.end() ? text : text + " " + note->second;
    size_t column = line.size();
    for (size_t start = 0; start <= all.size();) {
        size_t end = all.find(' ', start);
        if (end == std::string::npos) end = all.size();
        const std::string word = all.substr(start, end - start);
        if (!word.empty() && column + 1 + word.size() > kWidth && column > indent.size()) {
            line += "\n" + indent.substr(1);
            column = indent.size() - 1;
        }
        line += " " + word;
        column += 1 + word.size();
        start = end + 1;
    }
    return line + "\n";
}

// The drivable controls a dialog shows when it opens, in template order. A
// control without a label of its own (a list, an edit) goes by the text of
// the static before it.
std::string ListDialog(const platform::Dialog& dialog, const Notes& notes) {
    std::string text, caption;
    for (const Control& c : dialog.Controls()) {
        if (c.kind == ControlKind::Static) caption = c.label;
        if (!c.visible || !Drivable(c)) continue;
        std::string label = c.label;
        if (label.empty()) {
            label = caption;
            if (!label.empty() && label.back() == ':') label.pop_back();
        }
        text += Line(c, c.enabled ? label : label + " (disabled)", notes);
    }
    return text;
}

// The layer dialogs read the edition and the options string from the job
// globals; they are put back when the list is made.
class LayerGlobalsKept {
public:
    LayerGlobalsKept() : edition_(gCurrentEdition), options_(gLayerOptions), setForAll_(gSetForAllActive) {}
    ~LayerGlobalsKept() {
        gCurrentEdition = edition_;
        gLayerOptions = options_;
        gSetForAllActive = setForAll_;
    }

private:
    int edition_;
    std::string options_;
    int setForAll_;
};

// A layer dialog opened for each of `codes`: every control some edition
// offers, with its labels and the editions that show each.
template <typename Dlg>
std::string ListLayerDialog(const std::vector<int>& codes, const Notes& notes) {
    struct Offered {
        std::vector<std::pair<std::string, std::vector<int>>> labels;  // each label with its editions
        size_t editions = 0;
    };
    const Dlg layout;
    std::map<int, Offered> offered;
    LayerGlobalsKept kept;
    gSetForAllActive = 0;
    for (int code : codes) {
        gCurrentEdition = code;
        gLayerOptions.assign(OptionsLengthOf(code), '0');
        Dlg dialog;
        dialog.OnInitDialog();
        for (const Control& c : dialog.Controls()) {
            if (!c.visible || !c.enabled || !Drivable(c)) continue;
            Offered& o = offered[c.id];
            ++o.editions;
            auto same = [&c](const std::pair<std::string, std::vector<int>>& l) { return l.first == c.label; };
            auto label = std::find_if(o.labels.begin(), o.labels.end(), same);
            if (label == o.labels.end()) label = o.labels.insert(o.labels.end(), {c.label, {}});
            label->second.push_back(code);
        }
    }
    std::string text;
    for (const Control& c : layout.Controls()) {
        const auto found = offered.find(c.id);
        if (found == offered.end()) continue;
        const Offered& o = found->second;
        std::string labels;
        for (const auto& label : o.labels) {
            if (!labels.empty()) labels += "; ";
            labels += label.first;
            if (o.labels.size() > 1 || o.editions < codes.size()) labels += " (" + platform::NumberList(label.second) + ")";
        }
        text += Line(c, labels, notes);
    }
    return text;
}

std::vector<int> CodesFrom(int first, int last) {
    std::vector<int> codes;
    for (int code = first; code <= last; ++code) codes.push_back(code);
    return codes;
}

int TypeIdOf(int code) { return CChooseTypeDlg::kFirstTypeId + code - kChooseTypeBaseCode; }

}  // namespace

std::string ControlListText() {
    using platform::Format;
    std::istringstream noInput;
    std::ostringstream noOutput;
    std::string text;

    text += Format("Main dialog (\"QUORVEX\"):\n");
    text += ListDialog(CInputListDlg(noInput, noOutput),
                       {{CInputListDlg::kInputListId,
                         Format("(the job list: select %d N picks entry N for Delete or Edit)",
                                CInputListDlg::kInputListId)}});

    const int lastType = kChooseTypeBaseCode + CChooseTypeDlg::kTypeCount - 1;
    text += Format("\nTiger Type (asked at Add for .rt1 inputs and archives of them; radio %d-%d\n"
                   "choose editions %d-%d):\n",
                   TypeIdOf(kChooseTypeBaseCode), TypeIdOf(lastType), kChooseTypeBaseCode, lastType);
    Notes typeNotes = {{TypeIdOf(lastType), "(chosen when the dialog opens)"},
                       {CChooseTypeDlg::kUseForAllId,
                        "(ticked when the dialog opens: later .rt inputs take the same edition unasked)"}};
    text += ListDialog(CChooseTypeDlg(), typeNotes);

    std::vector<int> olderCodes = {kFirstEditionCode, kBwEditionCode};
    for (int code : CodesFrom(kChooseTypeBaseCode, kLastOlderEditionCode)) olderCodes.push_back(code);
    text += Format("\nLayer dialog of editions %d (.f61 inputs), %d (.bw1 inputs) and %d-%d\n"
                   "(Tiger Type %d-%d); the box of position P of the options string is %d+P:\n",
                   kFirstEditionCode, kBwEditionCode, kChooseTypeBaseCode, kLastOlderEditionCode,
                   TypeIdOf(kChooseTypeBaseCode), TypeIdOf(kLastOlderEditionCode), CLayerOptionsDlg::kFirstLayerId);
    text += ListLayerDialog<CLayerOptionsDlg>(
        olderCodes, {{CLayerOptionsDlg::kSelectAllId,
                      Format("(ticks every box the edition offers, %d among them)", CLayerOptionsDlg::LayerId(CLayerOptionsDlg::kClipWaterPosition))}});

    const int clipWater = CLayerOptionsV2Dlg::LayerId(CLayerOptionsV2Dlg::kClipWaterPosition);
    text += Format("\nLayer dialog of editions %d-%d (Tiger Type %d-%d); the box of position P is\n"
                   "%d+P, but from edition %d on positions 48, 50 and 52 are the economic census\n"
                   "boxes %d, %d and %d:\n",
                   kLastOlderEditionCode + 1, kLastEditionCode, TypeIdOf(kLastOlderEditionCode + 1),
                   TypeIdOf(kLastEditionCode), CLayerOptionsV2Dlg::kFirstLayerId, kLastOlderEditionCode + 2,
                   CLayerOptionsV2Dlg::SecondId(48), CLayerOptionsV2Dlg::SecondId(50),
                   CLayerOptionsV2Dlg::SecondId(52));
    text += ListLayerDialog<CLayerOptionsV2Dlg>(
        CodesFrom(kLastOlderEditionCode + 1, kLastEditionCode),
        {{CLayerOptionsV2Dlg::kSelectAllId,
          Format("(ticks every box the edition offers, %d and %d among them, and the positions no box shows)",
                 clipWater, CLayerOptionsV2Dlg::kUseForAllId)},
         {CLayerOptionsV2Dlg::kClearAllId, Format("(unticks %d too)", CLayerOptionsV2Dlg::kUseForAllId)}});

    text += "\nOutput options (GO):\n";
    text += ListDialog(COutputOptionsDlg(noInput, noOutput),
                       {{COutputOptionsDlg::kFirstOrganisationId + 3,
                         "(disabled when the job's entries are of different editions)"},
                        {COutputOptionsDlg::kDirectoryId, "(starts as the folder of the input added last)"}});
    return text;
}

}  // namespace frontend
