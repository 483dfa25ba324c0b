// The progress dialog of one county of the 1994-2000 editions, which is also
// the county's job object: input path, layer flags, the texts every stage
// updates and the zip control that unpacks a zipped county.
#pragma once

#include "platform/dialog.h"
#include "platform/folder_lock.h"
#include "platform/zip_control.h"
#include "tigercore/county_services.h"

#include <array>
#include <string>

namespace vornak {

// Option flags 0 to 54 of the options string.
constexpr int kLayerFlagCount = 55;

class ConversionDialog : public platform::Dialog, public tigercore::ProgressSink {
public:
    // Template 129 and its control ids.
    static constexpr int kTemplateId = 129;
    static constexpr int kCountyId = 1000;
    static constexpr int kGoId = 1013;
    static constexpr int kOutputDirId = 1015;
    static constexpr int kCancelId = 1017;
    static constexpr int kProgressBarId = 1025;
    static constexpr int kStatusId = 1028;
    static constexpr int kLayerId = 1029;
    static constexpr int kEditionId = 1043;
    static constexpr int kOutputOptionId = 1044;
    static constexpr int kClipWaterId = 1072;
    static constexpr int kZipControlId = 1076;
    static constexpr int kCountyProgressId = 1093;

    ConversionDialog();

    std::string inputPath;
    std::array<int, kLayerFlagCount> layerFlags{};
    std::string statusText;
    platform::ZipControl zipControl;
    std::string editionText;
    std::string outputDirText;
    std::string clipWaterText;
    std::string layerText;
    std::string countyText;
    std::string outputOptionText;
    std::string countyProgressText;

    // Runs the county to its end, removes what a zipped county unpacked,
    // then ends (hides) the dialog. False when the county ended on a failure.
    bool RunConversion();
    void CloseLogAndCancel();
    void OnZipListEvent(const std::string& fileName);

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void SetStatusText(const std::string& text) override;
    void SetLayerText(const std::string& text) override;
    void SetProgress(int percent) override;

protected:
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    bool running_ = false;
    int shownPercent_ = 0;  // the progress bar's, which nothing else moves
    // The folder a zipped county is unpacked into, held from the unpacking
    // to the removal of what was unpacked.
    platform::FolderLock unzipHold_;
    bool unpackFailed_ = false;  // the archive could not be unpacked whole
};

}  // namespace vornak
