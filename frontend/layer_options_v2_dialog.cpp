#include "frontend/layer_options_v2_dialog.h"

#include "frontend/job_globals.h"

#include <initializer_list>

namespace frontend {

using platform::ControlKind;

namespace {

constexpr int kSharedPositions[] = {48, 50, 52};

// The "Correction" boxes that the template hides and disables.
bool IsHiddenCorrection(int position) {
    for (int p : {13, 16, 19, 22, 25, 28, 31, 34, 37, 40, 61})
        if (p == position) return true;
    return false;
}

bool IsEconomicPosition(int position) { return position >= 72 && position <= 77; }

const char* CaptionOfEdition(int code) {
    switch (code) {
        case 105: return "Layer Extraction Options for TIGER 2003";
        case 106: return "Layer Extraction Options for TIGER 2004, First Edition";
        case 107: return "Options for TIGER 2004, 2nd Edition/TIGER 2005, TIGER 2006 1st Edition";
        case 108: return "Options for TIGER 2006 2nd Edition";
        default: return "Layer Extraction Options for TIGER 2002";
    }
}

// The label a check box shows for an edition; null keeps the template text.
const char* EditionLabel(int position, int code) {
    switch (position) {
        case 54:
            if (code == 106) return "106th Congressional Districts";
            if (code == 107 || code == 108) return "106th and 108th Congressional Districts";
            return nullptr;
        case 55:
            if (code == 106) return "108th Congressional Districts";
            if (code == 107) return "109th Congressional Districts";
            if (code == 108) return "110th Congressional Districts";
            return nullptr;
        case 60: return code == 108 ? "Urban 2000 and Current" : nullptr;
        case 64: return code == 108 ? "State Upper House 2000 and Current" : nullptr;
        case 65: return code == 108 ? "State Lower House 2000 and Current" : nullptr;
        default: return nullptr;
    }
}

// Positions 8-52 and 54-71: the layers every edition of the dialog writes.
bool IsCommonLayerPosition(int position) {
    return (position >= 8 && position <= 52) || (position >= 54 && position <= 71);
}

}  // namespace

CLayerOptionsV2Dlg::CLayerOptionsV2Dlg()
    : LayerDialogEngine(kTemplateId, options::kLaterOptions, [](int position, platform::Control& box) {
          if (position <= 7) box.enabled = false;
          if (IsHiddenCorrection(position)) box.enabled = box.visible = false;
          if (IsEconomicPosition(position)) box.visible = false;
      }) {
    AddControl(kTazStateCombinedId, ControlKind::CheckBox, "TAZ State Combined").enabled = false;
    AddControl(kEconomicGroupId, ControlKind::Static, "Economic Census Polygons").visible = false;
    for (int p : kSharedPositions)
        AddControl(SecondId(p), ControlKind::CheckBox, family_.RowOfControl(SecondId(p))->label).visible = false;
    AddButtons(false);
}

int& CLayerOptionsV2Dlg::SecondBox(int position) {
    if (position == 48) return countyEconomic;
    if (position == 50) return placeEconomic;
    return commercialRegion;
}

void CLayerOptionsV2Dlg::DoDataExchange(platform::DataExchange& dx) {
    ExchangeFirstBoxes(dx);
    for (int p : kSharedPositions) dx.Check(SecondId(p), SecondBox(p));
    dx.Check(kTazStateCombinedId, tazStateCombined);
    dx.Check(kUseForAllId, useForAllSubsequent);
}

bool CLayerOptionsV2Dlg::OnInitDialog() {
    const int code = gCurrentEdition;
    for (int p = 8; p <= 71; ++p) {
        if (p == 48 || p == 50 || p == 52 || p == 53) continue;
        layers[p] = IsSet(p) ? 1 : 0;
    }
    layers[kClipWaterPosition] = IsSet(kClipWaterPosition) ? 1 : 0;
    SetWindowText(CaptionOfEdition(104));
    if (code < 105) {
        for (int p : kSharedPositions) layers[p] = IsSet(p) ? 1 : 0;
    } else {
        for (int p : kSharedPositions) EnableControl(LayerId(p), false);
        const platform::Control* group = GetDlgItem(kEconomicGroupId);
        if (group && !group->visible) {
            ShowControl(kEconomicGroupId, true);
            for (int p : kSharedPositions) ShowControl(SecondId(p), true);
            for (int p = 72; p <= 77; ++p) ShowControl(LayerId(p), true);
            SetWindowText(CaptionOfEdition(code));
            for (int p = 54; p <= 65; ++p)
                if (const char* label = EditionLabel(p, code)) SetLabel(LayerId(p), label);
        }
        for (int p : kSharedPositions) SecondBox(p) = IsSet(p) ? 1 : 0;
        for (int p = 72; p <= 77; ++p) layers[p] = IsSet(p) ? 1 : 0;
    }
    if (gSetForAllActive == 1) EnableControl(kUseForAllId, false);
    UpdateData(false);
    return true;
}

void CLayerOptionsV2Dlg::OnSelectAllLayers() {
    UpdateData(true);
    layers[kClipWaterPosition] = 1;
    useForAllSubsequent = 1;
    for (int p = 0; p <= 71; ++p)
        if (IsCommonLayerPosition(p)) layers[p] = 1;
    if (gCurrentEdition > 104) {
        for (int p : kSharedPositions) {
            layers[p] = 0;
            SecondBox(p) = 1;
        }
        for (int p = 72; p <= 77; ++p) layers[p] = 1;
    }
    UpdateData(false);
}

void CLayerOptionsV2Dlg::OnClearAllLayers() {
    UpdateData(true);
    layers[kClipWaterPosition] = 0;
    useForAllSubsequent = 0;
    for (int p = 0; p <= 71; ++p)
        if (IsCommonLayerPosition(p)) layers[p] = 0;
    if (gCurrentEdition > 104) {
        for (int p : kSharedPositions) SecondBox(p) = 0;
        for (int p = 72; p <= 77; ++p) layers[p] = 0;
    }
    UpdateData(false);
}

void CLayerOptionsV2Dlg::OnOK() {
    const int code = gCurrentEdition;
    gLayerOptions.assign(kOptionsLengthV2, '0');
    UpdateData(true);
    for (int p = 0; p <= 71; ++p)
        if (IsCommonLayerPosition(p)) gLayerOptions[p] = layers[p] ? '1' : '0';
    char edition = '0';
    if (code >= 104 && code <= 108) edition = EditionCharacter(code);
    gLayerOptions[kEditionIndex] = edition;
    if (code > 104) {
        for (int p : kSharedPositions) gLayerOptions[p] = SecondBox(p) ? '1' : '0';
        for (int p = 72; p <= 77; ++p) gLayerOptions[p] = layers[p] ? '1' : '0';
    }
    gLayerOptions[kClipWaterPosition] = layers[kClipWaterPosition] ? '1' : '0';
    HandOverForAll();
    EndDialog(platform::IDOK);
}

}  // namespace frontend
