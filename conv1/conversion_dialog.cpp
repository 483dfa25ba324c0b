#include "conv1/conversion_dialog.h"

namespace vornak {

using platform::ControlKind;

ConversionDialog::ConversionDialog() : platform::Dialog(kTemplateId, "QUORVEX") {
    AddControl(kCountyProgressId, ControlKind::Static, "");
    AddControl(kOutputDirId, ControlKind::Static, "Output Files Directory:");
    AddControl(kEditionId, ControlKind::Static, "TIGER Version:");
    platform::Control& ok = AddControl(platform::IDOK, ControlKind::Button, "OK");
    ok.isDefault = true;
    ok.visible = false;
    AddControl(platform::IDCANCEL, ControlKind::Button, "Cancel").visible = false;
}

void ConversionDialog::DoDataExchange(platform::DataExchange& dx) {
    dx.Text(kCountyProgressId, countyProgressText);
    dx.Text(kOutputDirId, outputDirText);
    dx.Text(kEditionId, editionText);
}

bool ConversionDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

}  // namespace vornak
