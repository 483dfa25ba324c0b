// The layer dialog of the 1994-2000 editions (codes 94 to 103): one check
// box per layer of the 56-character options string.
#pragma once

#include "frontend/editions.h"
#include "platform/dialog.h"

#include <array>

namespace frontend {

class CLayerOptionsDlg : public platform::Dialog {
public:
    static constexpr int kTemplateId = 129;
    static constexpr int kFirstLayerId = 100;  // check box of position p: kFirstLayerId + p
    static constexpr int kUseForAllId = 300;
    static constexpr int kSelectAllId = 301;
    static constexpr int kClearAllId = 302;
    static constexpr int kClipWaterPosition = static_cast<int>(options::kOlderOptions.clipWater);

    static constexpr int LayerId(int position) { return kFirstLayerId + position; }

    CLayerOptionsDlg();

    // One member per check box, by position; 43, 50-53 and 55 have none.
    std::array<int, kOptionsLength> layers{};
    int useForAllSubsequent = 0;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCommand(int id) override;
    void OnSelectAllLayers();
    void OnClearAllLayers();

protected:
    void DoDataExchange(platform::DataExchange& dx) override;
};

}  // namespace frontend
