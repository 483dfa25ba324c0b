#include "frontend/directory_picker.h"

#include "platform/paths.h"
#include "platform/files.h"

namespace frontend {

using platform::ControlKind;

CMyFileOpenDlg::CMyFileOpenDlg(const std::string& initialFolder)
    : platform::Dialog(kTemplateId, "Directory Select"), initialFolder_(initialFolder) {
    AddControl(kFileNameLabelId, ControlKind::Static, "File &Name:");
    AddControl(kFileNameId, ControlKind::Edit, "");
    AddControl(kFileListId, ControlKind::ListBox, "");
    AddControl(kDirectoriesLabelId, ControlKind::Static, "&Directories:");
    AddControl(kFolderId, ControlKind::Edit, "");
    AddControl(kFileTypeLabelId, ControlKind::Static, "List Files of &Type:");
    AddControl(kFileTypeId, ControlKind::ListBox, "");
    AddControl(kDrivesLabelId, ControlKind::Static, "Dri&ves:");
    platform::Control& drives = AddControl(kDrivesId, ControlKind::ListBox, "");
    drives.items = {"/"};
    drives.selected = {true};
    drives.enabled = false;
    AddControl(platform::IDOK, ControlKind::Button, "OK").isDefault = true;
    AddControl(platform::IDCANCEL, ControlKind::Button, "Cancel");
    AddControl(kHelpId, ControlKind::Button, "&Help");
    AddControl(kReadOnlyId, ControlKind::CheckBox, "&Read Only");
}

bool CMyFileOpenDlg::OnInitDialog() {
    for (int id : {kFileTypeLabelId, kFileNameLabelId, kFileNameId, kFileListId, kFileTypeId, kReadOnlyId, kHelpId})
        ShowControl(id, false);
    SetDlgItemText(kFileNameId, "Junk");
    SetDlgItemText(kFolderId, initialFolder_);
    return true;
}

void CMyFileOpenDlg::OnOK() {
    std::string typed = GetDlgItemText(kFolderId);
    std::string folder = platform::AbsolutePath(typed.empty() ? std::string(".") : typed);
    std::string name = GetDlgItemText(kFileNameId);
    pathName_ = folder == "/" ? folder : folder + "/";
    fileOffset_ = pathName_.size();
    pathName_ += name;
    EndDialog(platform::IDOK);
}

std::string FolderOfPickedPath(const std::string& pathName, size_t fileOffset) {
    if (fileOffset == 0 || fileOffset > pathName.size()) return std::string();
    std::string folder = pathName.substr(0, fileOffset - 1);
    return folder.empty() ? std::string("/") : folder;
}

}  // namespace frontend
