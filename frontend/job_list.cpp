// The job list of the main dialog: Add (edition detection, Choose Type,
// "Set for All", the layer dialog), Delete and Edit.
#include "frontend/choose_type_dialog.h"
#include "frontend/editions.h"
#include "frontend/job_globals.h"
#include "frontend/layer_options_dialog.h"
#include "frontend/layer_options_v2_dialog.h"
#include "frontend/main_dialog.h"
#include "frontend/message.h"
#include "frontend/open_file_prompt.h"
#include "platform/paths.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/text.h"

namespace frontend {

void CInputListDlg::OnAddInputs() {
    for (const std::string& path : PromptForInputs(in_, out_)) AddInput(path);
}

void CInputListDlg::ChooseTypeStep() {
    gCurrentEdition = kChooseTypeBaseCode;
    if (gRememberedTypeIndex >= 0) {
        gCurrentEdition = kChooseTypeBaseCode + gRememberedTypeIndex;
        return;
    }
    CChooseTypeDlg chooseType;
    chooseType.DoModal(in_, out_);
}

void CInputListDlg::RunLayerDialog() {
    if (IsLaterEditionCode(gCurrentEdition)) {
        CLayerOptionsV2Dlg layers;
        layers.DoModal(in_, out_);
    } else {
        CLayerOptionsDlg layers;
        layers.DoModal(in_, out_);
    }
}

void CInputListDlg::AddInput(const std::string& path) {
    // A county is added by its type 1 file; another of its record files
    // would be read as one.
    const std::string typeOne = platform::TypeOneFileBeside(path);
    if (!typeOne.empty()) {
        ShowMessageBox(out_, platform::Format("%s is not a type 1 record file; add the county's type 1 file %s",
                                              path.c_str(), typeOne.c_str()));
        platform::CountRefusal();
        return;
    }
    gOutputParentDir = platform::FolderOfPath(path);
    const std::string extension = platform::ToUpper(platform::ExtensionOfPath(path));
    if (extension == "ZIP") {
        zipControl_.SetZipFileName(path);
        // .rt archives need Choose Type (code 0 here); the older kinds say
        // their edition.
        struct Kind {
            const char* mask;
            int code;
        };
        const Kind kinds[] = {{"*.rt?", 0}, {"*.bw?", kBwEditionCode}, {"*.f6?", kFirstEditionCode}};
        short found = platform::ZipControl::kNothingMatches;
        int code = 0;
        for (const Kind& kind : kinds) {
            zipControl_.SetFileSpecs(kind.mask);
            found = zipControl_.ListMatchingFiles();
            if (found == platform::ZipControl::kNothingMatches) continue;
            if (found != platform::ZipControl::kSuccess) {
                // An archive that cannot be read holds no county we can use.
                ShowMessageBox(out_, platform::Format("Could not read zip archive %s", path.c_str()));
                platform::CountRefusal();
                return;
            }
            code = kind.code;
            break;
        }
        if (found == platform::ZipControl::kNothingMatches) {
            ShowMessageBox(out_, "This zip archive does not contain TIGER files");
            platform::CountRefusal();
            return;
        }
        if (code == 0) ChooseTypeStep();
        else gCurrentEdition = code;
    } else if (extension == "RT1") {
        ChooseTypeStep();
    } else if (extension == "BW1") {
        gCurrentEdition = kBwEditionCode;
    } else {
        gCurrentEdition = kFirstEditionCode;
    }

    AddListItem(kInputListId, path);
    if (gSetForAllActive == 1) {
        if (gCurrentEdition == gSetForAllEdition) {
            AddListItem(kOptionsListId, gSetForAllOptions);
            return;
        }
        ShowMessageBox(out_, "You cannot use the \"Set for All\" option with different versions of TIGER");
        ShowMessageBox(out_, platform::Format("global %d current %d", gSetForAllEdition, gCurrentEdition));
        gSetForAllActive = 0;
    }
    // The edition character goes in now, so that an entry whose layer dialog
    // was left without OK still names its edition (for Edit and for GO).
    gLayerOptions.assign(OptionsLengthOf(gCurrentEdition), '0');
    gLayerOptions[kEditionIndex] = EditionCharacter(gCurrentEdition);
    RunLayerDialog();
    SetListSelection(kInputListId, static_cast<int>(InputPaths().size()) - 1, true);
    AddListItem(kOptionsListId, gLayerOptions);
}

void CInputListDlg::OnDeleteInput() {
    std::vector<int> selection = ListSelection(kInputListId);
    if (!selection.empty()) {
        DeleteListItem(kInputListId, selection.front());
        DeleteListItem(kOptionsListId, selection.front());
    }
    if (!InputPaths().empty()) SetListSelection(kInputListId, static_cast<int>(InputPaths().size()) - 1, true);
}

void CInputListDlg::OnEditInput() {
    std::vector<int> selection = ListSelection(kInputListId);
    if (selection.empty()) return;
    const int index = selection.front();
    if (index >= static_cast<int>(OptionStrings().size())) return;
    gLayerOptions = OptionStrings()[index];
    if (gLayerOptions.size() > kEditionIndex)
        gCurrentEdition = EditionCodeOfCharacter(gLayerOptions[kEditionIndex], gCurrentEdition);
    RunLayerDialog();
    GetDlgItem(kOptionsListId)->items[index] = gLayerOptions;
}

}  // namespace frontend
