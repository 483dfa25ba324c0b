// The progress dialog of one county, which is also the county's job object:
// the input path and layer flags, the texts every stage updates, the
// progress bar and the zip control that unpacks a zipped county. Each library's dialog derives
// from it with its own template, controls and driver.
#pragma once

#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/folder_lock.h"
#include "platform/zip_control.h"
#include "shapeio/job_services.h"
#include "tigercore/county_services.h"

#include <iterator>
#include <string>
#include <vector>

namespace tigercore {

// The controls of a library's template that the frame fills: the progress
// bar, the control of each text, and the order in which the library's
// dialog exchanges the texts with their controls (control ids).
struct CountyDialogControls {
    int templateId;
    int progressBarId;
    int statusId;
    int layerId;
    int countyId;
    int editionId;
    int outputDirId;
    int clipWaterId;
    int outputOptionId;
    int countyProgressId;
    std::vector<int> exchangeOrder;
};

// The controls of a library's dialog class, which names them kTemplateId,
// kProgressBarId, kStatusId and so on, and its texts' order kTextOrder.
template <class LibraryDialog>
CountyDialogControls ControlsOf() {
    using D = LibraryDialog;
    return {D::kTemplateId,
            D::kProgressBarId,
            D::kStatusId,
            D::kLayerId,
            D::kCountyId,
            D::kEditionId,
            D::kOutputDirId,
            D::kClipWaterId,
            D::kOutputOptionId,
            D::kCountyProgressId,
            std::vector<int>(std::begin(D::kTextOrder), std::end(D::kTextOrder))};
}

// What a library's dialog unpacks a zipped county with: the masks of the
// members it unpacks, and where the library keeps the archive's path and the
// flag its listing handler reads while the unpacked files are removed (the
// dialog's own when not given).
struct CountyZipInput {
    const char* masks;
    std::string* archive = nullptr;
    int* cleanupPass = nullptr;
};

class CountyDialog : public platform::Dialog, public ProgressSink {
public:
    std::string inputPath;
    // The edition the county is converted as: its edition character ('0' to
    // '8', '9', 'a' to 'd'); '\0' for a job of no edition.
    char edition = '\0';
    // The layer flags of the options string, one an option position.
    std::vector<int> layerFlags;
    std::string statusText;
    std::string layerText;
    std::string countyText;
    std::string editionText;
    std::string outputDirText;
    bool outputDirMade = false;  // the county's folder was made for this run
    std::string clipWaterText;
    std::string outputOptionText;
    std::string countyProgressText;
    platform::ZipControl zipControl;

    // Runs the county to its end, removes what a zipped county unpacked,
    // then ends (hides) the dialog. False when the county ended on a failure.
    bool RunConversion();
    // Closes the library's log, then ends the dialog.
    void CloseLogAndCancel();

    void OnOK() override;
    void OnCancel() override;

    void SetStatusText(const std::string& text) override;
    void SetLayerText(const std::string& text) override;
    void SetProgress(int percent) override;

protected:
    // `flagCount` layer flags, all 0; `log` is the library's log, which
    // CloseLogAndCancel closes.
    CountyDialog(const CountyDialogControls& controls, const CountyZipInput& zip, int flagCount,
                 platform::FilePtr& log);

    // The library's driver over this county.
    virtual bool Convert() = 0;

    // The start of the dialog (OnInitDialog): the caption; for a `zipped`
    // county the archive `inputPath` names, kept as the archive, is unpacked
    // into `unzipFolder` (UnpackCounty) and `inputPath` then names the
    // unpacked type 1 file, the member ending in `typeOneSuffix` or else
    // `countyBaseName` and that suffix; then the texts go to the controls.
    bool StartDialog(const std::string& caption, bool zipped, const std::string& unzipFolder,
                     const std::string& typeOneSuffix, const std::string& countyBaseName,
                     shapeio::JobServices& services);
    // The archive is being listed again for its unpacked files to be removed.
    bool ListingUnpackedFiles() const { return cleanupPass_ != 0; }

    // The texts, in the library's order.
    void DoDataExchange(platform::DataExchange& dx) override;

    // The library's handler of each member the zip control lists. While the
    // unpacked files are removed it is not called once the unzipped folder
    // has become a symbolic link: nothing is removed through it.
    virtual void OnZipListEvent(const std::string& fileName) = 0;

private:
    // The text a control of the exchange order shows (each is one of the
    // text controls).
    std::string& TextOf(int controlId);
    // Lists the members of the archive that match the masks with the
    // clean-up flag set to 1, so that the library's listing handler removes
    // each unpacked file, then lets go of the unzipped folder.
    void RemoveUnpackedFiles();

    CountyDialogControls controls_;
    const char* masks_;
    // The archive and clean-up flag of a library that keeps none of its own.
    std::string ownArchive_;
    int ownCleanupPass_ = 0;
    std::string& archive_;
    int& cleanupPass_;
    platform::FilePtr& log_;
    bool running_ = false;
    int shownPercent_ = 0;  // the progress bar's, which nothing else moves
    // The folder a zipped county is unpacked into, held from the unpacking
    // to the removal of what was unpacked.
    platform::FolderLock unzipHold_;
    std::string unzipFolder_;
    bool unpackFailed_ = false;  // the archive could not be unpacked whole
};

}  // namespace tigercore
