#include "frontend/main_dialog.h"

#include "frontend/about_dialog.h"
#include "frontend/job_globals.h"
#include "frontend/message.h"
#include "platform/text.h"

#include <sstream>

namespace frontend {

using platform::ControlKind;

CInputListDlg::CInputListDlg(std::istream& in, std::ostream& out)
    : platform::Dialog(kTemplateId, "QUORVEX "), in_(in), out_(out) {
    AddControl(kControlsGroupId, ControlKind::Static, "Controls");
    AddControl(kAboutId, ControlKind::Button, "About");
    AddControl(kAddId, ControlKind::Button, "Add");
    AddControl(kDeleteId, ControlKind::Button, "Delete");
    AddControl(kEditId, ControlKind::Button, "Edit");
    AddControl(platform::IDOK, ControlKind::Button, "GO").isDefault = true;
    AddControl(platform::IDCANCEL, ControlKind::Button, "Cancel");
    AddControl(kInputsLabelId, ControlKind::Static, "TIGER Inputs:");
    AddControl(kInputListId, ControlKind::ListBox, "");
    // The options strings live in a list outside the visible area.
    AddControl(kOptionsListId, ControlKind::ListBox, "").visible = false;
    AddControl(kZipControlId, ControlKind::Custom, "").visible = false;
    zipControl_.OnListingFile = [this](const std::string& name) { OnZipListEvent(name); };
}

bool CInputListDlg::OnInitDialog() {
    gVersionNumber = 2.0f;
    SetWindowText("QUORVEX");
    gUnzipDir = "NOT_SET";
    gZipCleanupPass = 0;
    gSetForAllEdition = -1;
    gCurrentEdition = 0;
    gRememberedTypeIndex = -1;
    return true;
}

void CInputListDlg::OnCommand(int id) {
    switch (id) {
        case kAboutId: OnAboutButton(); break;
        case kAddId: OnAddInputs(); break;
        case kDeleteId: OnDeleteInput(); break;
        case kEditId: OnEditInput(); break;
        default: break;
    }
}

bool CInputListDlg::OnExtraCommand(const std::string& line, std::ostream& out) {
    std::istringstream words(line);
    std::string verb;
    int command = 0;
    words >> verb;
    if (verb != "syscommand") return false;
    if (!(words >> command)) {
        out << "syscommand needs a number\n";
        platform::CountRefusal();
        return true;
    }
    OnSysCommand(command);
    return true;
}

std::string CInputListDlg::ExtraCommandHelp() const {
    return "          syscommand 16 (the system menu's \"&About pellard...\")\n";
}

void CInputListDlg::OnAboutButton() {
    CAboutBoxDlg about;
    about.versionLine = platform::Format("Version %.2f", static_cast<double>(gVersionNumber));
    about.DoModal(in_, out_);
}

void CInputListDlg::OnSysCommand(int command) {
    if ((command & 0xFFF0) == kAboutCommand) {
        CAboutBoxDlg about;
        about.DoModal(in_, out_);
    }
}

const std::vector<std::string>& CInputListDlg::InputPaths() const { return GetDlgItem(kInputListId)->items; }

const std::vector<std::string>& CInputListDlg::OptionStrings() const { return GetDlgItem(kOptionsListId)->items; }

}  // namespace frontend
