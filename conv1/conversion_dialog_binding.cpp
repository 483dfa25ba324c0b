#include "conv1/conversion_dialog.h"

#include "conv1/county_driver.h"
#include "conv1/job_state.h"
#include "platform/files.h"

namespace vornak {

using platform::ControlKind;

namespace {

// The record files of a zipped county, by their suffix families, and its
// .met, whose title the edition chosen is checked against.
const char kCountyMasks[] = "*.rt?\r*.bw?\r*.f6?\r*.met";

// The unpacked type 1 file's extension by release.
const char* TypeOneExtension() {
    if (gEditionCode == 94) return ".f61";
    if (gEditionCode == 95) return ".bw1";
    return ".rt1";
}

}  // namespace

ConversionDialog::ConversionDialog()
    : tigercore::CountyDialog(tigercore::ControlsOf<ConversionDialog>(), {kCountyMasks, &gZipPath, &gZipCleanupPass},
                              kLayerFlagCount, gLogFile) {
    AddControl(kCountyProgressId, ControlKind::Static, "");
    AddControl(kOutputDirId, ControlKind::Edit, "Output Files Directory:").enabled = false;
    AddControl(kZipControlId, ControlKind::Custom, "");
    AddControl(kOutputOptionId, ControlKind::Static, "Output Option:");
    AddControl(kEditionId, ControlKind::Static, "TIGER Version:");
    AddControl(kClipWaterId, ControlKind::Static, "Clipping Water Polys?");
    AddControl(kCountyId, ControlKind::Static, "Current County:");
    AddControl(kStatusId, ControlKind::Static, "Current process:");
    AddControl(kLayerId, ControlKind::Static, "Current Layer:");
    AddControl(kProgressBarId, ControlKind::ProgressBar, "");
    AddControl(kCancelId, ControlKind::Button, "CANCEL").visible = false;
    AddControl(kGoId, ControlKind::Button, "GO!").visible = false;
}

bool ConversionDialog::OnInitDialog() {
    if (gZipInput == 1) gUnzipFolder = gOutputDir + "/unzipped";
    return StartDialog("PELLARD from Quillfen", gZipInput == 1, gUnzipFolder, TypeOneExtension(), gCountyBaseName,
                       Services());
}

bool ConversionDialog::Convert() { return ConvertCounty(*this); }

void ConversionDialog::OnZipListEvent(const std::string& fileName) {
    if (gZipCleanupPass) platform::RemoveFile(gUnzipFolder + "/" + fileName);
}

}  // namespace vornak
