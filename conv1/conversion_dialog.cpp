#include "conv1/conversion_dialog.h"

#include "conv1/county_driver.h"
#include "conv1/job_state.h"
#include "platform/files.h"
#include "tigercore/zip_input.h"

namespace vornak {

using platform::ControlKind;

namespace {

// The record files of a zipped county, by their suffix families.
const char kCountyMasks[] = "*.rt?\r*.bw?\r*.f6?";

// The unpacked type 1 file's extension by release.
const char* TypeOneExtension() {
    if (gEditionCode == 94) return ".f61";
    if (gEditionCode == 95) return ".bw1";
    return ".rt1";
}

}  // namespace

ConversionDialog::ConversionDialog() : platform::Dialog(kTemplateId, "") {
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
    zipControl.OnListingFile = [this](const std::string& name) { OnZipListEvent(name); };
}

void ConversionDialog::DoDataExchange(platform::DataExchange& dx) {
    dx.Text(kStatusId, statusText);
    dx.Text(kEditionId, editionText);
    dx.Text(kOutputDirId, outputDirText);
    dx.Text(kClipWaterId, clipWaterText);
    dx.Text(kLayerId, layerText);
    dx.Text(kCountyId, countyText);
    dx.Text(kOutputOptionId, outputOptionText);
    dx.Text(kCountyProgressId, countyProgressText);
}

bool ConversionDialog::OnInitDialog() {
    SetWindowText("PELLARD from Quillfen");
    if (gZipInput == 1) {
        gUnzipFolder = gOutputDir + "/unzipped";
        const std::string extension = TypeOneExtension();
        const tigercore::UnpackedCounty unpacked =
            tigercore::UnpackCounty(zipControl, inputPath, gUnzipFolder, kCountyMasks, extension,
                                    gCountyBaseName + extension, unzipHold_, Services());
        gZipPath = inputPath;
        inputPath = unpacked.typeOnePath;
        unpackFailed_ = unpacked.failed;
    }
    UpdateData(false);
    return true;
}

bool ConversionDialog::RunConversion() {
    if (running_) return false;
    running_ = true;
    // A county whose archive could not be unpacked whole is not converted.
    const bool converted = !unpackFailed_ && ConvertCounty(*this);
    if (gZipInput == 1 && unzipHold_.Held()) {
        // The files unpacked for this county are listed again and removed;
        // the folder itself stays, and other jobs may use it again.
        gZipCleanupPass = 1;
        zipControl.SetZipFileName(gZipPath);
        zipControl.SetFileSpecs(kCountyMasks);
        zipControl.ListMatchingFiles();
        gZipCleanupPass = 0;
        unzipHold_.Release();
    }
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
    if (gZipCleanupPass && !platform::IsSymbolicLink(gUnzipFolder)) platform::RemoveFile(gUnzipFolder + "/" + fileName);
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

}  // namespace vornak
