#include "tigercore/county_dialog.h"

#include "platform/files.h"
#include "tigercore/zip_input.h"

namespace tigercore {

CountyDialog::CountyDialog(const CountyDialogControls& controls, const CountyZipInput& zip, int flagCount,
                           platform::FilePtr& log)
    : platform::Dialog(controls.templateId, ""),
      layerFlags(static_cast<size_t>(flagCount), 0),
      controls_(controls),
      masks_(zip.masks),
      archive_(zip.archive ? *zip.archive : ownArchive_),
      cleanupPass_(zip.cleanupPass ? *zip.cleanupPass : ownCleanupPass_),
      log_(log) {
    zipControl.OnListingFile = [this](const std::string& name) {
        if (cleanupPass_ && platform::IsSymbolicLink(unzipFolder_)) return;
        OnZipListEvent(name);
    };
}

bool CountyDialog::StartDialog(const std::string& caption, bool zipped, const std::string& unzipFolder,
                               const std::string& typeOneSuffix, const std::string& countyBaseName,
                               shapeio::JobServices& services) {
    SetWindowText(caption);
    if (zipped) {
        archive_ = inputPath;
        unzipFolder_ = unzipFolder;
        const UnpackedCounty unpacked = UnpackCounty(zipControl, inputPath, unzipFolder, masks_, typeOneSuffix,
                                                     countyBaseName + typeOneSuffix, unzipHold_, services);
        inputPath = unpacked.typeOnePath;
        unpackFailed_ = unpacked.failed;
    }
    UpdateData(false);
    return true;
}

void CountyDialog::DoDataExchange(platform::DataExchange& dx) {
    for (const int id : controls_.exchangeOrder) dx.Text(id, TextOf(id));
}

std::string& CountyDialog::TextOf(int controlId) {
    const CountyDialogControls& c = controls_;
    if (controlId == c.statusId) return statusText;
    if (controlId == c.layerId) return layerText;
    if (controlId == c.countyId) return countyText;
    if (controlId == c.editionId) return editionText;
    if (controlId == c.outputDirId) return outputDirText;
    if (controlId == c.clipWaterId) return clipWaterText;
    if (controlId == c.outputOptionId) return outputOptionText;
    return countyProgressText;  // countyProgressId
}

// The files unpacked for the county are listed again and removed, then the
// folder when nothing else is left in it.
void CountyDialog::RemoveUnpackedFiles() {
    cleanupPass_ = 1;
    zipControl.SetZipFileName(archive_);
    zipControl.SetFileSpecs(masks_);
    zipControl.ListMatchingFiles();
    cleanupPass_ = 0;
    unzipHold_.RemoveIfEmptyAndRelease();
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
