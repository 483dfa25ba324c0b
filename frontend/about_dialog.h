// The About box: product name, version line and credits.
#pragma once

#include "platform/dialog.h"

#include <string>

namespace frontend {

class CAboutBoxDlg : public platform::Dialog {
public:
    static constexpr int kTemplateId = 100;
    static constexpr int kIconId = 10;
    static constexpr int kProductId = 11;
    static constexpr int kVersionId = 12;
    static constexpr int kCreditsId = 13;

    CAboutBoxDlg();

    std::string versionLine;

    bool OnInitDialog() override;

protected:
    void DoDataExchange(platform::DataExchange& dx) override;
};

}  // namespace frontend
