// The progress dialog of one county, which is also the county's job object:
// input path, layer flags, the texts every stage updates and the zip control
// that unpacks a zipped county.
#pragma once

#include "platform/dialog.h"
#include "platform/folder_lock.h"
#include "platform/zip_control.h"
#include "tigercore/county_services.h"

#include <array>
#include <string>

namespace vornak2 {

constexpr int kLayerFlagCount = 85;

class ConversionDialog : public platform::Dialog, public tigercore::ProgressSink {
public:
    // Template 1000 and its control ids.
    static constexpr int kTemplateId = 1000;
    static constexpr int kZipControlId = 1001;
    static constexpr int kProgressBarId = 1002;
    static constexpr int kOutputDirId = 1003;
    static constexpr int kOutputOptionId = 1004;
    static constexpr int kEditionId = 1005;
    static constexpr int kStatusId = 1006;
    static constexpr int kLayerId = 1007;
    static constexpr int kCountyId = 1008;
    static constexpr int kClipWaterId = 1009;
    static constexpr int kCountyProgressId = 1010;

    ConversionDialog();

    std::string inputPath;
    std::array<int, kLayerFlagCount> layerFlags{};
    std::string clipWaterText;
    std::string countyText;
    std::string layerText;
    std::string outputDirText;
    std::string outputOptionText;
    std::string statusText;
    std::string editionText;
    platform::ZipControl zipControl;
    std::string countyProgressText;

    // Runs the county to its end, removes what a zipped county unpacked,
    // then ends (hides) the dialog. False when the county ended on a failure.
    bool RunConversion();
    void CloseLogAndCancel();
    void OnZipListEvent(const std::string& fileName);

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Progress reporting of the stages.
    void SetStatusText(const std::string& text) override;
    void SetLayerText(const std::string& text) override;
    void SetProgress(int percent) override;

protected:
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    void UnpackCounty();
    void RemoveUnpackedFiles();
    bool running_ = false;
    int shownPercent_ = 0;  // the progress bar's, which nothing else moves
    bool cleanupListing_ = false;  // set only while a clean-up listing runs
    // A zipped county: its archive, and the folder it is unpacked into, held
    // from the unpacking to the removal of what was unpacked.
    std::string zipPath_;
    platform::FolderLock unzipHold_;
    bool unpackFailed_ = false;  // the archive could not be unpacked whole
};

}  // namespace vornak2
