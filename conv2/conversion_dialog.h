// The progress dialog of one county of the 2002-2006 editions, which is also the
// county's job object: template 1000 and its controls, and the number of
// layer flags the stages read. The driver and the stages read the job
// through this type alone; its members, which bind the dialog to this
// library's job state and run the driver, are in conversion_dialog_binding.cpp.
#pragma once

#include "tigercore/county_dialog.h"

#include <string>

namespace vornak2 {

constexpr int kLayerFlagCount = 85;

class ConversionDialog : public tigercore::CountyDialog {
public:
    // Template 1000 and its control ids.
    static constexpr int kTemplateId = 1000;
    static constexpr int kZipControlId = 1001;
    static constexpr int kProgressBarId = 1002;
    static constexpr int kOutputDirId = 1003;
    static constexpr int kOutputOptionId = 1004;
    static constexpr int kEditionId = 1005;
    static constexpr int kStatusId = 1006;
    static constexpr int kLayerId = 1007;
    static constexpr int kCountyId = 1008;
    static constexpr int kClipWaterId = 1009;
    static constexpr int kCountyProgressId = 1010;
    // The texts in the order the dialog exchanges them.
    static constexpr int kTextOrder[] = {kClipWaterId, kCountyId, kLayerId, kOutputDirId, kOutputOptionId,
                                         kStatusId, kEditionId, kCountyProgressId};

    ConversionDialog();

    void OnZipListEvent(const std::string& fileName) override;
    bool OnInitDialog() override;

protected:
    bool Convert() override;
};

}  // namespace vornak2
