#include "frontend/app.h"

#include "frontend/job_globals.h"
#include "frontend/main_dialog.h"

namespace frontend {

bool CFrontEndApp::InitInstance() {
    gSetForAllActive = 0;
    CInputListDlg mainDialog(in_, out_);
    mainDialog.DoModal(in_, out_);
    return false;
}

int RunPellard(std::istream& in, std::ostream& out) {
    ResetJobGlobals();
    CFrontEndApp app(in, out);
    app.InitInstance();
    return gFailedCounties > 0 ? 1 : 0;
}

}  // namespace frontend
