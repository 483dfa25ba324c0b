#include "frontend/layer_options_dialog.h"

#include "frontend/job_globals.h"
#include "frontend/message.h"
#include "platform/text.h"

#include <initializer_list>
#include <vector>

namespace frontend {

namespace {

// Check boxes that the template keeps disabled (the line classes and the
// layers that only later editions have).
bool DisabledInTemplate(const options::OptionPosition& row) {
    if (row.box == options::Box::kLineClass) return true;
    for (int p : {18, 26, 39, 40, 41, 42, 44, 45, 46, 47, 48, 49})
        if (p == row.index) return true;
    return false;
}

std::string CaptionOfEdition(int code) {
    switch (code) {
        case 99: return "Layer Extraction Options for Census 2000 Dress Rehearsal";
        case 100: return "Layer Extraction Options for TIGER99/2000 Redistricting";
        case 101: return "Layer Extraction Options for TIGER 2000";
        case 102: return "Layer Extraction Options for TIGER 2000 Urban Areas";
        case 103: return "Layer Extraction Options for 108th Congressional Districts TIGER 2000";
        default: return platform::Format("Layer Extraction Options for TIGER %d", code);
    }
}

// The label a check box shows for an edition; null keeps the template text.
const char* EditionLabel(int position, int code) {
    bool from99 = code >= 99 && code <= 103;
    bool from100 = code >= 100 && code <= 103;
    switch (position) {
        case 5: return code == 98 || code == 99 ? "Types F and G" : nullptr;
        case 9: return from99 ? "County 2000" : nullptr;
        case 14: return from99 ? "Places 2000" : nullptr;
        case 16: return from99 ? "MCD/CCD 2000" : nullptr;
        case 19: return from100 ? "AIANHHCE90" : nullptr;
        case 20: return code == 99 ? "AIR 2000" : from100 ? "AIANHHCE00" : nullptr;
        case 21: return code == 99 ? "ANRC 2000" : from100 ? "ANRC Current" : nullptr;
        case 32: return code == 99 ? "CMSA/MA 2000" : nullptr;
        case 33: return code == 99 ? "PMSA 2000" : nullptr;
        case 34: return code == 103 ? "Congressional Districts Current (108th)" : nullptr;
        case 35: return code == 99 ? "State House Districts 2000" : from100 ? "State Upper Chamber" : nullptr;
        case 36: return code == 99 ? "State Senate Districts 2000" : from100 ? "State Lower Chamber" : nullptr;
        case 37: return code == 103 ? "Urban 2000 Corrected" : nullptr;
        default: return nullptr;
    }
}

// The check boxes an edition enables beyond the template.
std::vector<int> EnabledByEdition(int code) {
    std::vector<int> enabled;
    if (code == 99) return {18, 37, 39, 40, 41};
    if (code >= 100 && code <= 103) enabled = {39, 40, 42, 18, 26, 46, 47, 44};
    if (code >= 101 && code <= 103) enabled.push_back(41);
    if (code >= 102 && code <= 103) enabled.insert(enabled.end(), {48, 45});
    if (code == 103) enabled.push_back(49);
    return enabled;
}

char EditionCharacterOfDialog(int code) {
    switch (code) {
        case 94: return '0';
        case 95: return '1';
        case 97: return '2';
        case 98: return '3';
        case 99: return '4';
        case 100: return '5';
        case 102: return '7';
        case 103: return '8';
        default: return '6';
    }
}

}  // namespace

CLayerOptionsDlg::CLayerOptionsDlg()
    : LayerDialogEngine(kTemplateId, options::kOlderOptions,
                        [](const options::OptionPosition& row, platform::Control& box) {
                            box.enabled = !DisabledInTemplate(row);
                        }) {
    AddButtons(true);
}

void CLayerOptionsDlg::DoDataExchange(platform::DataExchange& dx) {
    ExchangeFirstBoxes(dx);
    dx.Check(kUseForAllId, useForAllSubsequent);
}

bool CLayerOptionsDlg::OnInitDialog() {
    const int code = gCurrentEdition;
    if (code >= 94 && code <= 103) {
        SetWindowText(CaptionOfEdition(code));
        for (int p = 0; p < static_cast<int>(kOptionsLength); ++p)
            if (const char* label = HasFirstBox(p) ? EditionLabel(p, code) : nullptr) SetLabel(LayerId(p), label);
        for (int p : EnabledByEdition(code)) EnableControl(LayerId(p), true);
    }
    for (int p = 8; p < static_cast<int>(kOptionsLength); ++p)
        if (HasFirstBox(p)) layers[p] = IsSet(p) ? 1 : 0;
    if (gSetForAllActive) {
        useForAllSubsequent = 1;
        EnableControl(kUseForAllId, false);
    }
    if (code <= 96) {
        for (int p : {19, 37, 9, 38}) EnableControl(LayerId(p), false);
    }
    if (code < 98) EnableControl(LayerId(37), false);
    if (code > 96) EnableControl(LayerId(28), false);
    if (code == 100) {
        EnableControl(LayerId(41), false);
        EnableControl(LayerId(17), false);
    }
    if (code > 100) EnableControl(LayerId(17), false);
    UpdateData(false);
    return true;
}

void CLayerOptionsDlg::OnSelectAllLayers() {
    UpdateData(true);
    const int code = gCurrentEdition;
    for (const options::OptionPosition* row : FirstLayerBoxes()) layers[row->index] = 1;
    layers[kClipWaterPosition] = 1;
    auto clear = [this](std::initializer_list<int> positions) {
        for (int p : positions) layers[p] = 0;
    };
    clear({45, 48, 49});  // the layers of the 2000 Urban Areas editions on, given below
    if (code <= 96) clear({9, 19, 38});
    if (code < 98) clear({37});
    if (code >= 96) clear({28});
    if (code < 99) clear({18, 39, 40, 41});
    if (code >= 100) clear({17, 45});
    if (code < 100) clear({26, 42, 44, 45, 46, 47});
    if (code == 100) clear({41});
    if (code == 102) layers[45] = layers[48] = 1;
    if (code == 103) layers[45] = layers[48] = layers[49] = 1;
    UpdateData(false);
}

void CLayerOptionsDlg::OnClearAllLayers() {
    UpdateData(true);
    for (int p = 8; p < static_cast<int>(kOptionsLength); ++p)
        if (HasFirstBox(p)) layers[p] = 0;
    UpdateData(false);
}

void CLayerOptionsDlg::OnOK() {
    gLayerOptions.assign(kOptionsLength, '0');
    UpdateData(true);
    for (int p = 8; p < static_cast<int>(kOptionsLength); ++p)
        if (HasFirstBox(p)) gLayerOptions[p] = layers[p] ? '1' : '0';
    gLayerOptions[kEditionIndex] = EditionCharacterOfDialog(gCurrentEdition);
    HandOverForAll();
    EndDialog(platform::IDOK);
}

}  // namespace frontend
