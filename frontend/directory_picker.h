// The folder picker of the output options dialog: the folder is typed as a
// path; the drive list shows the one root all folders hang from. OK returns the folder followed by the file name "Junk", as the
// picker always does; the caller cuts the name off again.
#pragma once

#include "platform/dialog.h"

#include <string>

namespace frontend {

class CMyFileOpenDlg : public platform::Dialog {
public:
    static constexpr int kTemplateId = 1536;
    static constexpr int kFileNameLabelId = 1090;
    static constexpr int kFileNameId = 1152;
    static constexpr int kFileListId = 1120;
    static constexpr int kDirectoriesLabelId = 1091;
    static constexpr int kFolderId = 1121;  // the folder, typed as a path
    static constexpr int kFileTypeLabelId = 1089;
    static constexpr int kFileTypeId = 1136;
    static constexpr int kDrivesLabelId = 1092;
    static constexpr int kDrivesId = 1137;  // one file system root here: "/", shown, not chosen
    static constexpr int kHelpId = 1038;
    static constexpr int kReadOnlyId = 1040;

    explicit CMyFileOpenDlg(const std::string& initialFolder);

    bool OnInitDialog() override;
    void OnOK() override;

    // After OK: the folder and the file name, and where the name starts.
    const std::string& GetPathName() const { return pathName_; }
    size_t FileOffset() const { return fileOffset_; }

private:
    std::string initialFolder_;
    std::string pathName_;
    size_t fileOffset_ = 0;
};

// The folder part of a path the picker returned, without a trailing '/':
// the text before the file name's offset less its last character; the root
// folder stays "/".
std::string FolderOfPickedPath(const std::string& pathName, size_t fileOffset);

}  // namespace frontend
