#include "frontend/output_options_dialog.h"

#include "frontend/directory_picker.h"
#include "frontend/folder_checks.h"
#include "frontend/job_globals.h"
#include "frontend/message.h"
#include "platform/paths.h"

namespace frontend {

using platform::ControlKind;

COutputOptionsDlg::COutputOptionsDlg(std::istream& in, std::ostream& out)
    : platform::Dialog(kTemplateId, "QUORVEX Output Options"), in_(in), out_(out) {
    AddControl(kExplanationId, ControlKind::Static, "");
    AddControl(kOrganisationGroupId, ControlKind::Static, "Output Organization Options -- Choose One");
    AddRadioButton(kFirstOrganisationId, kFirstOrganisationId,
                   "Organize by County - Create a directory for each county");
    AddRadioButton(kFirstOrganisationId + 1, kFirstOrganisationId, "Put all outputs in a single directory");
    AddRadioButton(kFirstOrganisationId + 2, kFirstOrganisationId,
                   "Organize by Theme - Create a directory for each map layer");
    AddRadioButton(kFirstOrganisationId + 3, kFirstOrganisationId,
                   "Organize by Theme and Merge  - For each layer create a single shape");
    AddControl(kDirectoryLabelId, ControlKind::Static, "Output Parent Directory:");
    AddControl(kDirectoryId, ControlKind::Edit, "");
    AddControl(kBrowseId, ControlKind::Button, "Browse");
    AddControl(kPushPinsId, ControlKind::CheckBox, "Create Push Pins");
    AddControl(kAddressGroupId, ControlKind::Static, "Address Ranges Field Types").enabled = false;
    AddControl(kAddressTextId, ControlKind::Static, "",
               "Some counties have characters in their address ranges.  However some geocoding software "
               "requires address ranges to be numbers.  Choose the option you wish to use.")
        .enabled = false;
    AddRadioButton(kFirstAddressId, kFirstAddressId, "Address Ranges as Numbers").enabled = false;
    AddRadioButton(kFirstAddressId + 1, kFirstAddressId, "Address Ranges as Characters").enabled = false;
    AddControl(platform::IDOK, ControlKind::Button, "OK").isDefault = true;
    AddControl(platform::IDCANCEL, ControlKind::Button, "Cancel").visible = false;
}

void COutputOptionsDlg::DoDataExchange(platform::DataExchange& dx) {
    dx.Radio(kFirstOrganisationId, organisation);
    dx.Text(kDirectoryId, directory);
    dx.Radio(kFirstAddressId, addressRanges);
    dx.Check(kPushPinsId, pushPins);
}

bool COutputOptionsDlg::OnInitDialog() {
    UpdateData(false);
    SetDlgItemText(kExplanationId,
                   std::string("There are four ways to organize your output files:\n") +
                       "\tGroup shapes by county (a directory for each county's shapes)\n" +
                       "\tPut all shapes in a single directory\n" +
                       "\tGroup shapes by theme (a directory for each type of shape, eg,roads, tracts, etc)\n" +
                       "\tGroup shapes by theme and merge (a single shape for each map layer)" +
                       "\nPlease choose an option\n\n" +
                       "You can also choose to create pushpins for the KML polygons");
    // A folder where nothing can be written is not offered.
    directory = IsCdRomFolder(gOutputParentDir) ? CurrentDirectory() : gOutputParentDir;
    SetDlgItemText(kDirectoryId, directory);
    if (gSameEditionInputs == 0) EnableControl(kFirstOrganisationId + 3, false);
    return true;
}

void COutputOptionsDlg::OnCommand(int id) {
    if (id == kBrowseId) OnBrowseOutputDir();
}

void COutputOptionsDlg::OnBrowseOutputDir() {
    for (;;) {
        UpdateData(true);
        CMyFileOpenDlg picker(directory);
        if (picker.DoModal(in_, out_) != platform::IDOK) break;
        std::string folder = FolderOfPickedPath(picker.GetPathName(), picker.FileOffset());
        if (IsCdRomFolder(folder)) {
            ShowMessageBox(out_, "The Output Directory cannot be a CD-ROM");
            platform::CountRefusal();
            continue;
        }
        directory = folder;
        break;
    }
    UpdateData(false);
}

void COutputOptionsDlg::StoreChoices() {
    gOutputOrganisation = organisation < 0 ? 0 : organisation;
    gCreatePushPins = pushPins;
    // The libraries run with this folder as current directory and build
    // their paths from it, so a typed relative path is made absolute.
    gOutputParentDir = directory.empty() ? directory : platform::AbsolutePath(directory);
    gAddressRangesAsNumbers = addressRanges == 0 ? 1 : 0;
}

void COutputOptionsDlg::OnOK() {
    UpdateData(true);
    // The conversion writes into this folder: one that does not exist or
    // cannot be written is refused and the dialog stays open.
    std::string problem = OutputDirectoryProblem(directory.empty() ? directory : platform::AbsolutePath(directory));
    if (!problem.empty()) {
        ShowMessageBox(out_, problem);
        platform::CountRefusal();
        return;
    }
    StoreChoices();
    EndDialog(platform::IDOK);
}

void COutputOptionsDlg::OnClose() {
    // The close box cancels the job; the choices are kept for the next GO.
    gJobCancelled = 1;
    UpdateData(true);
    StoreChoices();
    EndDialog(platform::IDCANCEL);
}

// Escape cancels the job as the close box does.
void COutputOptionsDlg::OnCancel() { OnClose(); }

}  // namespace frontend
