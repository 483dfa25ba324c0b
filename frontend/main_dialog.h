// The main dialog of pellard: the job list (input paths and, in a list
// outside the visible area, their options strings), Add, Delete, Edit,
// About, Cancel and GO.
#pragma once

#include "platform/dialog.h"
#include "platform/zip_control.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace frontend {

class CInputListDlg : public platform::Dialog {
public:
    static constexpr int kTemplateId = 102;
    static constexpr int kAboutId = 10;
    static constexpr int kAddId = 11;
    static constexpr int kDeleteId = 12;
    static constexpr int kEditId = 13;
    static constexpr int kControlsGroupId = 20;
    static constexpr int kInputsLabelId = 21;
    static constexpr int kInputListId = 22;
    static constexpr int kOptionsListId = 23;
    static constexpr int kZipControlId = 24;
    static constexpr int kAboutCommand = 16;  // the system menu's About item

    // Every dialog the main dialog opens reads `in` and writes `out`.
    CInputListDlg(std::istream& in, std::ostream& out);

    bool OnInitDialog() override;
    void OnOK() override;  // GO
    void OnCommand(int id) override;
    bool OnExtraCommand(const std::string& line, std::ostream& out) override;
    std::string ExtraCommandHelp() const override;

    void OnAboutButton();
    void OnSysCommand(int command);
    void OnAddInputs();
    void OnDeleteInput();
    void OnEditInput();
    void OnZipListEvent(const std::string& fileName);

    // The job list as it stands.
    const std::vector<std::string>& InputPaths() const;
    const std::vector<std::string>& OptionStrings() const;
    // GO was pressed and the input ended in the output options dialog.
    bool InputEndedInOutputOptions() const { return inputEndedInOutputOptions_; }

private:
    void AddInput(const std::string& path);
    void ChooseTypeStep();
    void RunLayerDialog();
    // Converts entry `index`; false when its county failed (a message box
    // says so).
    bool ConvertEntry(int index, int count);

    std::istream& in_;
    std::ostream& out_;
    platform::ZipControl zipControl_;
    std::vector<std::string> listedNames_;  // entries named by the last listing
    bool inputEndedInOutputOptions_ = false;
};

}  // namespace frontend
