#include "frontend/command_line.h"

#include "frontend/app.h"
#include "frontend/choose_type_dialog.h"
#include "frontend/control_list.h"
#include "frontend/layer_options_dialog.h"
#include "frontend/main_dialog.h"
#include "frontend/output_options_dialog.h"
#include "platform/text.h"

#include <ostream>

namespace frontend {

std::string UsageText() {
    using platform::Format;
    const int firstType = CChooseTypeDlg::kFirstTypeId;
    const int lastType = firstType + CChooseTypeDlg::kTypeCount - 1;
    const int firstOrganisation = COutputOptionsDlg::kFirstOrganisationId;
    std::string text =
        "usage: pellard [--help]\n"
        "\n"
        "pellard converts TIGER/Line county files of the 1994-2006 editions into\n"
        "KML polygon layers, shapefiles and dBASE tables. Its dialogs are drawn on\n"
        "standard output, each control as [ID] kind state label, and driven by one\n"
        "command per line on standard input; the end of the input acts as the\n"
        "close box of the dialog that is open.\n"
        "\n"
        "Commands:\n"
        "  ok                  the default button (GO in the main dialog)\n"
        "  escape | close      leave the dialog / its close box\n"
        "  press ID            a button\n"
        "  check ID | uncheck ID   a check box or a radio button\n"
        "  set ID TEXT         the text of an edit control: the rest of the line\n"
        "  select ID N | deselect ID N   item N of a list\n"
        "  show | help         draw the dialog again / list the commands\n"
        "A disabled or hidden control refuses commands; message boxes are lines\n"
        "starting with [pellard] and need no answer. Lines may end in LF or CR LF.\n"
        "\n"
        "A job:\n";
    text += Format("  press %d            Add: answer with one line of paths of .rt1, .bw1, .f61\n"
                   "                      or .zip inputs, separated by blanks; a path with blanks\n"
                   "                      goes in double quotes (\"/data/my county/TGR25025.RT1\");\n"
                   "                      wildcards are expanded; an empty line adds nothing, and\n"
                   "                      so does a line naming a path that does not exist; a\n"
                   "                      county's other record files (TGR25025.RTA) are refused\n"
                   "                      with the name of its type 1 file.\n",
                   CInputListDlg::kAddId);
    text += Format("  Tiger Type          for .rt1 inputs and archives of them: check %d-%d\n"
                   "                      (\"TIGER 97 \" to \"TIGER 2006 Second Edition\"; %d is\n"
                   "                      \"TIGER 2000\", %d the 2004 second and 2005 editions),\n"
                   "                      uncheck %d to be asked again for the next input, ok\n",
                   firstType, lastType, firstType + 4, firstType + 10, CChooseTypeDlg::kUseForAllId);
    text += Format("  layer dialog        check the layers (IDs below), or press %d (Select All) /\n"
                   "                      %d (Clear All); check %d to use the options for every\n"
                   "                      later input of the edition; ok\n",
                   CLayerOptionsDlg::kSelectAllId, CLayerOptionsDlg::kClearAllId, CLayerOptionsDlg::kUseForAllId);
    text += Format("  select %d N, press %d / %d   Delete / Edit entry N of the job list\n",
                   CInputListDlg::kInputListId, CInputListDlg::kDeleteId, CInputListDlg::kEditId);
    text += Format("  ok                  GO: the output options; the folder %d starts as that of\n"
                   "                      the input added last (set %d OUTPUT_DIR for another),\n"
                   "                      check %d-%d for the organisation (by county, one folder,\n"
                   "                      by theme, by theme and merged), check %d for push pins,\n"
                   "                      ok: every county is converted and the program ends\n"
                   "                      (escape in the main dialog ends it without converting)\n",
                   COutputOptionsDlg::kDirectoryId, COutputOptionsDlg::kDirectoryId, firstOrganisation,
                   firstOrganisation + 3, COutputOptionsDlg::kPushPinsId);
    text +=
        "\n"
        "Outputs: a county is named by the file title of its first record file, or\n"
        "of its archive (a title of 9 or more characters keeps its first 3 and last\n"
        "5). Organised by county, its layers go to the folder OUTPUT_DIR/<name>.\n"
        "Each county's log is OUTPUT_DIR/<name>.log, for example\n"
        "OUTPUT_DIR/TGR25025.log; a county that fails is named in a message box\n"
        "with its log. Progress of a conversion goes to standard error.\n"
        "\n"
        "Exit status, the highest that applies:\n"
        "  2  the input ended before GO (\"Input ended before GO: nothing was\n"
        "     converted\" is said) or in the output options that GO opened\n"
        "     (\"Input ended before the output options were accepted: nothing was\n"
        "     converted\"), or a command or value of the session was\n"
        "     refused (an unknown command, an ID that is no control or is disabled,\n"
        "     a path that does not exist or cannot be added, an output directory\n"
        "     that cannot be used), whatever came after; also an unknown argument\n"
        "  1  a county failed, or GO converted nothing because of a failure (the\n"
        "     output directory, an archive)\n"
        "  0  GO converted every county, or the session was cancelled (escape or\n"
        "     close in the main dialog) with nothing refused\n"
        "\n"
        "The controls of each dialog (a box an edition does not offer is shown\n"
        "disabled and refuses commands; the editions are those of Tiger Type):\n\n";
    text += ControlListText();
    return text;
}

int RunCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << UsageText();
            return 0;
        }
    }
    if (!arguments.empty()) {
        err << "pellard: unknown argument " << arguments.front() << " (pellard --help tells how to drive it)\n";
        return 2;
    }
    return RunPellard(in, out);
}

}  // namespace frontend
