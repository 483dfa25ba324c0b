#include "frontend/app.h"

#include "frontend/job_globals.h"
#include "frontend/main_dialog.h"
#include "frontend/message.h"

namespace frontend {

bool CFrontEndApp::InitInstance() {
    gSetForAllActive = 0;
    CInputListDlg mainDialog(in_, out_);
    // GO is the only way the main dialog ends with OK.
    wentThroughGo_ = mainDialog.DoModal(in_, out_) == platform::IDOK;
    inputEnded_ = mainDialog.EndedByInput();
    if (inputEnded_ && !wentThroughGo_) {
        ShowMessageBox(out_, mainDialog.InputEndedInOutputOptions()
                                 ? "Input ended before the output options were accepted: nothing was converted"
                                 : "Input ended before GO: nothing was converted");
    }
    return false;
}

int SessionExitStatus(bool wentThroughGo, bool inputEnded, int failedCounties, int refusals) {
    if (refusals > 0 || (inputEnded && !wentThroughGo)) return 2;
    return failedCounties > 0 ? 1 : 0;
}

int RunPellard(std::istream& in, std::ostream& out) {
    ResetJobGlobals();
    platform::ResetRefusalCount();
    CFrontEndApp app(in, out);
    app.InitInstance();
    return SessionExitStatus(app.WentThroughGo(), app.InputEnded(), gFailedCounties, platform::RefusalCount());
}

}  // namespace frontend
