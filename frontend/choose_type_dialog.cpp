#include "frontend/choose_type_dialog.h"

#include "frontend/job_globals.h"

namespace frontend {

using platform::ControlKind;

namespace {
const char* const kTypeLabels[CChooseTypeDlg::kTypeCount] = {
    "TIGER 97 ",
    "TIGER 98",
    "Census 2000 Dress Rehearsal",
    "TIGER 99 and TIGER 2000 Resdistricting",
    "TIGER 2000",
    "Urbanized Areas TIGER 2000",
    "108th Congressional Districts TIGER 2000",
    "TIGER 2002",
    "TIGER 2003",
    "TIGER 2004, First Edition",
    "TIGER 2004, 2nd Edition/TIGER 2005, 1st and 2nd Editions",
    "TIGER 2006 Second Edition",
};
}  // namespace

CChooseTypeDlg::CChooseTypeDlg() : platform::Dialog(kTemplateId, "Tiger Type") {
    AddControl(kPromptId, ControlKind::Static, "");
    AddControl(kGroupId, ControlKind::Static, "Choose Type");
    for (int i = 0; i < kTypeCount; ++i) AddRadioButton(kFirstTypeId + i, kFirstTypeId, kTypeLabels[i]);
    AddControl(kUseForAllId, ControlKind::CheckBox, "Use this option for all cases");
    AddControl(platform::IDOK, ControlKind::Button, "OK").isDefault = true;
}

void CChooseTypeDlg::DoDataExchange(platform::DataExchange& dx) {
    dx.Radio(kFirstTypeId, selectedIndex);
    dx.Check(kUseForAllId, useForAllCases);
}

bool CChooseTypeDlg::OnInitDialog() {
    SetDlgItemText(kPromptId, "Please choose the version of TIGER you wish to process.");
    if (gRememberedTypeIndex < 0) {
        selectedIndex = kTypeCount - 1;
        useForAllCases = 1;
    }
    UpdateData(false);
    return true;
}

void CChooseTypeDlg::OnOK() {
    UpdateData(true);
    gCurrentEdition += selectedIndex;
    if (useForAllCases) gRememberedTypeIndex = selectedIndex;
    EndDialog(platform::IDOK);
}

}  // namespace frontend
