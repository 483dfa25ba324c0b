#include "frontend/layer_options_v2_dialog.h"

#include "frontend/job_globals.h"

namespace frontend {

using platform::ControlKind;

namespace {

using options::Box;
using options::OptionPosition;
namespace later = options::later;

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
        case later::kCongressionalDistricts106:
            if (code == 106) return "106th Congressional Districts";
            if (code == 107 || code == 108) return "106th and 108th Congressional Districts";
            return nullptr;
        case later::kCongressionalDistrictsCurrent:
            if (code == 106) return "108th Congressional Districts";
            if (code == 107) return "109th Congressional Districts";
            if (code == 108) return "110th Congressional Districts";
            return nullptr;
        case later::kUrbanAreas2000: return code == 108 ? "Urban 2000 and Current" : nullptr;
        case later::kStateUpperHouseDistricts: return code == 108 ? "State Upper House 2000 and Current" : nullptr;
        case later::kStateLowerHouseDistricts: return code == 108 ? "State Lower House 2000 and Current" : nullptr;
        default: return nullptr;
    }
}

// The template's state of a first box: the line classes disabled, the
// hidden layers hidden and disabled, the layers of 2003 on hidden.
void ShapeBox(const OptionPosition& row, platform::Control& box) {
    if (row.box == Box::kLineClass) box.enabled = false;
    if (row.box == Box::kHiddenLayer) box.enabled = box.visible = false;
    if (row.box == Box::kLaterLayer) box.visible = false;
}

}  // namespace

CLayerOptionsV2Dlg::CLayerOptionsV2Dlg() : LayerDialogEngine(kTemplateId, options::kLaterOptions, ShapeBox) {
    AddControl(kTazStateCombinedId, ControlKind::CheckBox, "TAZ State Combined").enabled = false;
    AddControl(kEconomicGroupId, ControlKind::Static, "Economic Census Polygons").visible = false;
    for (const OptionPosition& row : family_)
        if (row.control != 0 && row.control == SecondId(row.index))
            AddControl(row.control, ControlKind::CheckBox, row.label).visible = false;
    for (const OptionPosition* row : FirstLayerBoxes()) {
        if (family_.HasSecondBox(row->index)) sharedPositions_.push_back(row->index);
        else if (row->box == Box::kLaterLayer) laterPositions_.push_back(row->index);
        else everyEditionPositions_.push_back(row->index);
    }
    AddButtons(false);
}

int& CLayerOptionsV2Dlg::SecondBox(int position) {
    if (position == later::kCountyEconomic) return countyEconomic;
    if (position == later::kPlaceEconomic) return placeEconomic;
    return commercialRegion;
}

void CLayerOptionsV2Dlg::DoDataExchange(platform::DataExchange& dx) {
    ExchangeFirstBoxes(dx);
    for (int p : sharedPositions_) dx.Check(SecondId(p), SecondBox(p));
    dx.Check(kTazStateCombinedId, tazStateCombined);
    dx.Check(kUseForAllId, useForAllSubsequent);
}

bool CLayerOptionsV2Dlg::OnInitDialog() {
    const int code = gCurrentEdition;
    for (int p : everyEditionPositions_) layers[p] = IsSet(p) ? 1 : 0;
    layers[kClipWaterPosition] = IsSet(kClipWaterPosition) ? 1 : 0;
    SetWindowText(CaptionOfEdition(104));
    if (code < 105) {
        for (int p : sharedPositions_) layers[p] = IsSet(p) ? 1 : 0;
    } else {
        for (int p : sharedPositions_) EnableControl(LayerId(p), false);
        const platform::Control* group = GetDlgItem(kEconomicGroupId);
        if (group && !group->visible) {
            ShowControl(kEconomicGroupId, true);
            for (int p : sharedPositions_) ShowControl(SecondId(p), true);
            for (int p : laterPositions_) ShowControl(LayerId(p), true);
            SetWindowText(CaptionOfEdition(code));
            for (int p : everyEditionPositions_)
                if (const char* label = EditionLabel(p, code)) SetLabel(LayerId(p), label);
        }
        for (int p : sharedPositions_) SecondBox(p) = IsSet(p) ? 1 : 0;
        for (int p : laterPositions_) layers[p] = IsSet(p) ? 1 : 0;
    }
    if (gSetForAllActive == 1) EnableControl(kUseForAllId, false);
    UpdateData(false);
    return true;
}

void CLayerOptionsV2Dlg::SetAllLayers(int value) {
    UpdateData(true);
    layers[kClipWaterPosition] = value;
    useForAllSubsequent = value;
    for (int p : everyEditionPositions_) layers[p] = value;
    for (int p : sharedPositions_) layers[p] = gCurrentEdition > 104 ? 0 : value;
    if (gCurrentEdition > 104) {
        for (int p : sharedPositions_) SecondBox(p) = value;
        for (int p : laterPositions_) layers[p] = value;
    }
    UpdateData(false);
}

void CLayerOptionsV2Dlg::OnSelectAllLayers() { SetAllLayers(1); }

void CLayerOptionsV2Dlg::OnClearAllLayers() { SetAllLayers(0); }

void CLayerOptionsV2Dlg::OnOK() {
    const int code = gCurrentEdition;
    gLayerOptions.assign(kOptionsLengthV2, '0');
    UpdateData(true);
    for (int p : everyEditionPositions_) gLayerOptions[p] = layers[p] ? '1' : '0';
    for (int p : sharedPositions_) gLayerOptions[p] = (code > 104 ? SecondBox(p) : layers[p]) ? '1' : '0';
    char edition = '0';
    if (code >= 104 && code <= 108) edition = EditionCharacter(code);
    gLayerOptions[kEditionIndex] = edition;
    if (code > 104) {
        for (int p : laterPositions_) gLayerOptions[p] = layers[p] ? '1' : '0';
    }
    gLayerOptions[kClipWaterPosition] = layers[kClipWaterPosition] ? '1' : '0';
    HandOverForAll();
    EndDialog(platform::IDOK);
}

}  // namespace frontend
