// The progress dialog of one county of the 1994-2000 editions, which is also the
// county's job object: template 129 and its controls, and the number of
// layer flags the stages read. The driver and the stages read the job
// through this type alone; its members, which bind the dialog to this
// library's job state and run the driver, are in conversion_dialog_binding.cpp.
#pragma once

#include "tigercore/county_dialog.h"

#include <string>

namespace vornak {

// Option flags 0 to 54 of the options string.
constexpr int kLayerFlagCount = 55;

class ConversionDialog : public tigercore::CountyDialog {
public:
    // Template 129 and its control ids.
    static constexpr int kTemplateId = 129;
    static constexpr int kCountyId = 1000;
    static constexpr int kGoId = 1013;
    static constexpr int kOutputDirId = 1015;
    static constexpr int kCancelId = 1017;
    static constexpr int kProgressBarId = 1025;
    static constexpr int kStatusId = 1028;
    static constexpr int kLayerId = 1029;
    static constexpr int kEditionId = 1043;
    static constexpr int kOutputOptionId = 1044;
    static constexpr int kClipWaterId = 1072;
    static constexpr int kZipControlId = 1076;
    static constexpr int kCountyProgressId = 1093;
    // The texts in the order the dialog exchanges them.
    static constexpr int kTextOrder[] = {kStatusId, kEditionId, kOutputDirId, kClipWaterId, kLayerId,
                                         kCountyId, kOutputOptionId, kCountyProgressId};

    ConversionDialog();

    void OnZipListEvent(const std::string& fileName) override;
    bool OnInitDialog() override;

protected:
    bool Convert() override;
};

}  // namespace vornak
