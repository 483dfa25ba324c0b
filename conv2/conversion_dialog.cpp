#include "conv2/conversion_dialog.h"

#include "conv2/county_driver.h"
#include "conv2/job_state.h"
#include "platform/files.h"
#include "tigercore/zip_input.h"

namespace vornak2 {

using platform::ControlKind;

ConversionDialog::ConversionDialog() : platform::Dialog(kTemplateId, "") {
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

bool ConversionDialog::OnInitDialog() {
    SetWindowText("QUORVEX");
    if (gZipInput == 1) UnpackCounty();
    UpdateData(false);
    return true;
}

namespace {

// The record files of a zipped county, and its .met for the metadata copy
// at the end.
const char kCountyMasks[] = "*.rt?\r*.bw?\r*.f6?\r*.met";

}  // namespace

void ConversionDialog::UnpackCounty() {
    gUnzipFolder = gOutputDir + "/unzipped";
    zipPath_ = inputPath;
    const tigercore::UnpackedCounty unpacked = tigercore::UnpackCounty(
        zipControl, inputPath, gUnzipFolder, kCountyMasks, ".rt1", gCountyBaseName + ".rt1", unzipHold_, Services());
    inputPath = unpacked.typeOnePath;
    unpackFailed_ = unpacked.failed;
}

// The files unpacked for the county are listed again and removed; the
// folder itself stays, and other jobs may use it again.
void ConversionDialog::RemoveUnpackedFiles() {
    cleanupListing_ = true;
    zipControl.SetZipFileName(zipPath_);
    zipControl.SetFileSpecs(kCountyMasks);
    zipControl.ListMatchingFiles();
    cleanupListing_ = false;
    unzipHold_.Release();
}

bool ConversionDialog::RunConversion() {
    if (running_) return false;
    running_ = true;
    // A county whose archive could not be unpacked whole is not converted.
    const bool converted = !unpackFailed_ && ConvertCounty(*this);
    if (gZipInput == 1 && unzipHold_.Held()) RemoveUnpackedFiles();
    running_ = false;
    platform::Dialog::OnOK();
    return converted;
}

void ConversionDialog::OnOK() { RunConversion(); }

void ConversionDialog::OnCancel() {
    // Nothing may end the dialog while its county runs.
    if (running_) return;
    CloseLogAndCancel();
}

void ConversionDialog::CloseLogAndCancel() {
    gLogFile.reset();
    platform::Dialog::OnCancel();
}

void ConversionDialog::OnZipListEvent(const std::string& fileName) {
    if (cleanupListing_) platform::RemoveFile(gUnzipFolder + "/" + fileName);
}

void ConversionDialog::SetStatusText(const std::string& text) {
    statusText = text;
    SetDlgItemText(kStatusId, text);
}

void ConversionDialog::SetLayerText(const std::string& text) {
    layerText = text;
    SetDlgItemText(kLayerId, text);
}

// Called for every line of a layer: the bar is only reached when its
// percent changes.
void ConversionDialog::SetProgress(int percent) {
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    SetProgressPos(kProgressBarId, percent);
}

}  // namespace vornak2
