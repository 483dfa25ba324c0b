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

#include <string>
#include <vector>

namespace tigercore {

// The controls of a library's template that every stage updates.
struct CountyDialogControls {
    int templateId;
    int statusId;
    int layerId;
    int progressBarId;
};

class CountyDialog : public platform::Dialog, public ProgressSink {
public:
    std::string inputPath;
    // The layer flags of the options string, one an option position.
    std::vector<int> layerFlags;
    std::string statusText;
    std::string layerText;
    std::string countyText;
    std::string editionText;
    std::string outputDirText;
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
    CountyDialog(const CountyDialogControls& controls, int flagCount, platform::FilePtr& log);

    // The library's driver over this county.
    virtual bool Convert() = 0;
    // Lists the archive again to remove what was unpacked (ListUnpackedFiles).
    virtual void RemoveUnpackedFiles() = 0;

    // Unpacks the archive `inputPath` names into `unzipFolder` (UnpackCounty);
    // `inputPath` then names the unpacked type 1 file.
    void UnpackInput(const std::string& unzipFolder, const std::string& masks, const std::string& typeOneSuffix,
                     const std::string& fallbackName, shapeio::JobServices& services);
    // Lists the members of `archive` that match `masks` with `cleanupPass` set
    // to 1, so that the library's listing handler removes each unpacked file,
    // then lets go of the unzipped folder.
    void ListUnpackedFiles(const std::string& archive, const std::string& masks, int& cleanupPass);

private:
    CountyDialogControls controls_;
    platform::FilePtr& log_;
    bool running_ = false;
    int shownPercent_ = 0;  // the progress bar's, which nothing else moves
    // The folder a zipped county is unpacked into, held from the unpacking
    // to the removal of what was unpacked.
    platform::FolderLock unzipHold_;
    bool unpackFailed_ = false;  // the archive could not be unpacked whole
};

}  // namespace tigercore
