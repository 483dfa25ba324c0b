#include "conv2/conversion_dialog.h"

#include "conv2/county_driver.h"
#include "conv2/job_state.h"
#include "platform/files.h"

namespace vornak2 {

using platform::ControlKind;

ConversionDialog::ConversionDialog()
    : tigercore::CountyDialog({kTemplateId, kStatusId, kLayerId, kProgressBarId}, kLayerFlagCount, gLogFile) {
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
    zipControl.OnListingFile = [this](const std::string& name) { OnZipListEvent(name); };
}

void ConversionDialog::DoDataExchange(platform::DataExchange& dx) {
    dx.Text(kClipWaterId, clipWaterText);
    dx.Text(kCountyId, countyText);
    dx.Text(kLayerId, layerText);
    dx.Text(kOutputDirId, outputDirText);
    dx.Text(kOutputOptionId, outputOptionText);
    dx.Text(kStatusId, statusText);
    dx.Text(kEditionId, editionText);
    dx.Text(kCountyProgressId, countyProgressText);
}

namespace {

// The record files of a zipped county, and its .met for the metadata copy
// at the end.
const char kCountyMasks[] = "*.rt?\r*.bw?\r*.f6?\r*.met";

}  // namespace

bool ConversionDialog::OnInitDialog() {
    SetWindowText("QUORVEX");
    if (gZipInput == 1) {
        gUnzipFolder = gOutputDir + "/unzipped";
        zipPath_ = inputPath;
        UnpackInput(gUnzipFolder, kCountyMasks, ".rt1", gCountyBaseName + ".rt1", Services());
    }
    UpdateData(false);
    return true;
}

bool ConversionDialog::Convert() { return ConvertCounty(*this); }

void ConversionDialog::RemoveUnpackedFiles() { ListUnpackedFiles(zipPath_, kCountyMasks, cleanupListing_); }

void ConversionDialog::OnZipListEvent(const std::string& fileName) {
    if (cleanupListing_) platform::RemoveFile(gUnzipFolder + "/" + fileName);
}

}  // namespace vornak2
