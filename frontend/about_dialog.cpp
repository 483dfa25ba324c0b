#include "frontend/about_dialog.h"

namespace frontend {

using platform::ControlKind;

CAboutBoxDlg::CAboutBoxDlg() : platform::Dialog(kTemplateId, "About QUORVEX") {
    AddControl(kIconId, ControlKind::Custom, "").visible = false;
    AddControl(kProductId, ControlKind::Static, "", "QUORVEX");
    AddControl(kVersionId, ControlKind::Static, "");
    AddControl(kCreditsId, ControlKind::Static, "",
               "TIGER/Line county files to KML documents, shapefiles and dBASE tables");
    AddControl(platform::IDOK, ControlKind::Button, "OK").isDefault = true;
}

bool CAboutBoxDlg::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CAboutBoxDlg::DoDataExchange(platform::DataExchange& dx) { dx.Text(kVersionId, versionLine); }


}  // namespace frontend
