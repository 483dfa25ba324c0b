#include "frontend/layer_options_v2_dialog.h"

#include "frontend/job_globals.h"

#include <initializer_list>

namespace frontend {

using platform::ControlKind;

namespace {

constexpr int kSharedPositions[] = {48, 50, 52};

bool HasFirstBox(int position) {
    return (position >= 0 && position <= 52) || (position >= 54 && position <= 77) || position == 80;
}

// The "Correction" boxes that the template hides and disables.
bool IsHiddenCorrection(int position) {
    for (int p : {13, 16, 19, 22, 25, 28, 31, 34, 37, 40, 61})
        if (p == position) return true;
    return false;
}

bool IsEconomicPosition(int position) { return position >= 72 && position <= 77; }

const char* TemplateLabel(int position) {
    switch (position) {
        case 0: return "Type A";
        case 1: return "Type B";
        case 2: return "Type C";
        case 3: return "Type D";
        case 4: return "Type E";
        case 5: return "Type F";
        case 6: return "Type H";
        case 7: return "Type X";
        case 8: return "County 2000";
        case 9: return "County Current";
        case 10: return "Corrected Count Polys";
        case 11: return "Tract 2000";
        case 12: return "Tract Current";
        case 13: return "Tract Correction";
        case 14: return "Group 2000";
        case 15: return "Group Current";
        case 16: return "Group Correction";
        case 17: return "Block 2000";
        case 18: return "Block Current";
        case 19: return "Block Correction";
        case 20: return "American Indian/ Alaska Native/ Hawaiian Homeland 2000";
        case 21: return "AIANHH Current";
        case 22: return "AIANHH Correction";
        case 23: return "Alaska Native Regional Corporations 2000";
        case 24: return "ANRC Current";
        case 25: return "ANRC Correction";
        case 26: return "American Indian Tribal Subdivisions 2000";
        case 27: return "AITS Current";
        case 28: return "AITS Correction";
        case 29: return "Consolidated City 2000";
        case 30: return "Consolidated City Current";
        case 31: return "ConCity Correction";
        case 32: return "County Subdivision 2000";
        case 33: return "County Subdivision Current";
        case 34: return "Cousub Correction";
        case 35: return "Subbarrio 2000";
        case 36: return "Subbarrio Current";
        case 37: return "Subbarrio Correction";
        case 38: return "Place 2000";
        case 39: return "Place Current";
        case 40: return "Place Correction";
        case 41: return "School Districts Elementary 2000";
        case 42: return "SDELM Current";
        case 43: return "School Districts Secondary 2000";
        case 44: return "SDSEC Current";
        case 45: return "School Districts Unified 2000";
        case 46: return "SDUNI Current";
        case 47: return "MSA/CMSA 2000";
        case 48: return "MSA/CMSA Current";
        case 49: return "PMSA 2000";
        case 50: return "PMSA Current";
        case 51: return "NECMA 2000";
        case 52: return "NECMA Current";
        case 54: return "106th Congressional Districts";
        case 55: return "Congressional Districts Current";
        case 56: return "ZCTA5 2000";
        case 57: return "ZCTA5 Current";
        case 58: return "ZCTA3 2000";
        case 59: return "ZCTA3 Current";
        case 60: return "Urban 2000";
        case 61: return "Urban Correction";
        case 62: return "Traffic Analysis Zones";
        case 63: return "Voting Districts";
        case 64: return "State Legislative Districts, Upper House";
        case 65: return "State Legislative Districts, Lower House";
        case 66: return "Urban Growth Area";
        case 67: return "Landmark Pts and Polys";
        case 68: return "Water Polygons";
        case 69: return "PUMA 5%";
        case 70: return "PUMA 1%";
        case 71: return "All Polys";
        case 72: return "Core Based Statistical Areas";
        case 73: return "Combined Statistical Areas";
        case 74: return "Metropolitan Divisions";
        case 75: return "New England City + Town Areas";
        case 76: return "Combined NECTAs";
        case 77: return "NECTA Divisions";
        case 80: return "Clip Major Water Polygons";
        default: return "";
    }
}

const char* SecondLabel(int position) {
    switch (position) {
        case 48: return "County Economic";
        case 50: return "Place Economic";
        default: return "Commercial Region Code";
    }
}

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

bool IsSet(int position) {
    return static_cast<size_t>(position) < gLayerOptions.size() && gLayerOptions[position] != '0';
}

}  // namespace

CLayerOptionsV2Dlg::CLayerOptionsV2Dlg() : platform::Dialog(kTemplateId, "Layer Extraction Options") {
    for (int p = 0; p < static_cast<int>(kOptionsLengthV2); ++p) {
        if (!HasFirstBox(p)) continue;
        platform::Control& box = AddControl(LayerId(p), ControlKind::CheckBox, TemplateLabel(p));
        if (p <= 7) box.enabled = false;
        if (IsHiddenCorrection(p)) box.enabled = box.visible = false;
        if (IsEconomicPosition(p)) box.visible = false;
    }
    AddControl(kTazStateCombinedId, ControlKind::CheckBox, "TAZ State Combined").enabled = false;
    AddControl(kEconomicGroupId, ControlKind::Static, "Economic Census Polygons").visible = false;
    for (int p : kSharedPositions) AddControl(SecondId(p), ControlKind::CheckBox, SecondLabel(p)).visible = false;
    AddControl(kUseForAllId, ControlKind::CheckBox, "Use these options for all subsequent cases");
    AddControl(kSelectAllId, ControlKind::Button, "Select All");
    AddControl(kClearAllId, ControlKind::Button, "Clear All");
    AddControl(platform::IDOK, ControlKind::Button, "OK").isDefault = true;
    platform::Control& cancel = AddControl(platform::IDCANCEL, ControlKind::Button, "Cancel");
    cancel.visible = cancel.enabled = false;
}

int& CLayerOptionsV2Dlg::SecondBox(int position) {
    if (position == 48) return countyEconomic;
    if (position == 50) return placeEconomic;
    return commercialRegion;
}

void CLayerOptionsV2Dlg::DoDataExchange(platform::DataExchange& dx) {
    for (int p = 0; p < static_cast<int>(kOptionsLengthV2); ++p)
        if (HasFirstBox(p)) dx.Check(LayerId(p), layers[p]);
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

void CLayerOptionsV2Dlg::OnCommand(int id) {
    if (id == kSelectAllId) OnSelectAllLayers();
    else if (id == kClearAllId) OnClearAllLayers();
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
    if (useForAllSubsequent && gSetForAllActive == 0) {
        gSetForAllOptions = gLayerOptions;
        gSetForAllEdition = code;
        gSetForAllActive = 1;
    }
    EndDialog(platform::IDOK);
}

}  // namespace frontend
