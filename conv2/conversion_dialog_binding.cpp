#include "conv2/conversion_dialog.h"

#include "conv2/county_driver.h"
#include "conv2/job_state.h"
#include "platform/files.h"

namespace vornak2 {

using platform::ControlKind;

namespace {

// The record files of a zipped county, and its .met for the metadata copy
// at the end.
const char kCountyMasks[] = "*.rt?\r*.bw?\r*.f6?\r*.met";

}  // namespace

ConversionDialog::ConversionDialog()
    : tigercore::CountyDialog(tigercore::ControlsOf<ConversionDialog>(), {kCountyMasks}, kLayerFlagCount, gLogFile) {
    AddControl(kCountyProgressId, ControlKind::Static, "");
    AddControl(kOutputDirId, ControlKind::Static, "Output Files Directory:");
    AddControl(kOutputOptionId, ControlKind::Static, "Output Options:");
    AddControl(kEditionId, ControlKind::Static, "TIGER Version:");
    AddControl(kClipWaterId, ControlKind::Static, "Clip Water Polygons");
    AddControl(kCountyId, ControlKind::Static, "Current County:");
    AddControl(kStatusId, ControlKind::Static, "Current Process:");
    AddControl(kLayerId, ControlKind::Static, "Current Layer:");
    AddControl(kProgressBarId, ControlKind::ProgressBar, "");
    AddControl(kZipControlId, ControlKind::Custom, "");
    platform::Control& ok = AddControl(platform::IDOK, ControlKind::Button, "OK");
    ok.isDefault = true;
    ok.visible = false;
    AddControl(platform::IDCANCEL, ControlKind::Button, "Cancel").visible = false;
}

bool ConversionDialog::OnInitDialog() {
    if (gZipInput == 1) gUnzipFolder = gOutputDir + "/unzipped";
    return StartDialog("QUORVEX", gZipInput == 1, gUnzipFolder, ".rt1", gCountyBaseName, Services());
}

bool ConversionDialog::Convert() { return ConvertCounty(*this); }

void ConversionDialog::OnZipListEvent(const std::string& fileName) {
    if (ListingUnpackedFiles()) platform::RemoveFile(gUnzipFolder + "/" + fileName);
}

}  // namespace vornak2
