// Choose Type: which TIGER/Line edition an .rt input belongs to.
#pragma once

#include "platform/dialog.h"

namespace frontend {

class CChooseTypeDlg : public platform::Dialog {
public:
    static constexpr int kTemplateId = 133;
    static constexpr int kPromptId = 10;
    static constexpr int kGroupId = 11;
    static constexpr int kFirstTypeId = 20;  // radio button of index i: kFirstTypeId + i
    static constexpr int kTypeCount = 12;
    static constexpr int kUseForAllId = 40;

    CChooseTypeDlg();

    int selectedIndex = 0;
    int useForAllCases = 0;

    bool OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(platform::DataExchange& dx) override;
};

}  // namespace frontend
