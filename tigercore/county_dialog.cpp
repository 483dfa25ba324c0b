#include "tigercore/county_dialog.h"

#include "tigercore/zip_input.h"

namespace tigercore {

CountyDialog::CountyDialog(const CountyDialogControls& controls, int flagCount, platform::FilePtr& log)
    : platform::Dialog(controls.templateId, ""),
      layerFlags(static_cast<size_t>(flagCount), 0),
      controls_(controls),
      log_(log) {}

void CountyDialog::UnpackInput(const std::string& unzipFolder, const std::string& masks,
                               const std::string& typeOneSuffix, const std::string& fallbackName,
                               shapeio::JobServices& services) {
    const UnpackedCounty unpacked =
        UnpackCounty(zipControl, inputPath, unzipFolder, masks, typeOneSuffix, fallbackName, unzipHold_, services);
    inputPath = unpacked.typeOnePath;
    unpackFailed_ = unpacked.failed;
}

// The files unpacked for the county are listed again and removed; the
// folder itself stays, and other jobs may use it again.
void CountyDialog::ListUnpackedFiles(const std::string& archive, const std::string& masks, int& cleanupPass) {
    cleanupPass = 1;
    zipControl.SetZipFileName(archive);
    zipControl.SetFileSpecs(masks);
    zipControl.ListMatchingFiles();
    cleanupPass = 0;
    unzipHold_.Release();
}

bool CountyDialog::RunConversion() {
    if (running_) return false;
    running_ = true;
    // A county whose archive could not be unpacked whole is not converted.
    const bool converted = !unpackFailed_ && Convert();
    if (unzipHold_.Held()) RemoveUnpackedFiles();
    running_ = false;
    platform::Dialog::OnOK();
    return converted;
}

void CountyDialog::OnOK() { RunConversion(); }

void CountyDialog::OnCancel() {
    // Nothing may end the dialog while its county runs.
    if (running_) return;
    CloseLogAndCancel();
}

void CountyDialog::CloseLogAndCancel() {
    log_.reset();
    platform::Dialog::OnCancel();
}

void CountyDialog::SetStatusText(const std::string& text) {
    statusText = text;
    SetDlgItemText(controls_.statusId, text);
}

void CountyDialog::SetLayerText(const std::string& text) {
    layerText = text;
    SetDlgItemText(controls_.layerId, text);
}

// Called for every line of a layer: the bar is only reached when its
// percent changes.
void CountyDialog::SetProgress(int percent) {
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    SetProgressPos(controls_.progressBarId, percent);
}

}  // namespace tigercore
