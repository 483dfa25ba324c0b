// The progress dialog of one county of the 1994-2000 editions.
#pragma once

#include "platform/dialog.h"

#include <string>

namespace vornak {

class ConversionDialog : public platform::Dialog {
public:
    static constexpr int kTemplateId = 1000;
    static constexpr int kCountyProgressId = 1010;
    static constexpr int kOutputDirId = 1003;
    static constexpr int kEditionId = 1005;

    ConversionDialog();

    std::string countyProgressText;
    std::string outputDirText;
    std::string editionText;

    bool OnInitDialog() override;

protected:
    void DoDataExchange(platform::DataExchange& dx) override;
};

}  // namespace vornak
