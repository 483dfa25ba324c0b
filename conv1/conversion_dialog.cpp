#include "conv1/conversion_dialog.h"

#include "conv1/county_driver.h"
#include "conv1/job_state.h"
#include "platform/files.h"

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

ConversionDialog::ConversionDialog()
    : tigercore::CountyDialog({kTemplateId, kStatusId, kLayerId, kProgressBarId}, kLayerFlagCount, gLogFile) {
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
        gZipPath = inputPath;
        const std::string extension = TypeOneExtension();
        UnpackInput(gUnzipFolder, kCountyMasks, extension, gCountyBaseName + extension, Services());
    }
    UpdateData(false);
    return true;
}

bool ConversionDialog::Convert() { return ConvertCounty(*this); }

void ConversionDialog::RemoveUnpackedFiles() { ListUnpackedFiles(gZipPath, kCountyMasks, gZipCleanupPass); }

void ConversionDialog::OnZipListEvent(const std::string& fileName) {
    if (gZipCleanupPass && !platform::IsSymbolicLink(gUnzipFolder)) platform::RemoveFile(gUnzipFolder + "/" + fileName);
}

}  // namespace vornak
