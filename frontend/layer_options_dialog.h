// The layer dialog of the 1994-2000 editions (codes 94 to 103): one check
// box per layer of the 56-character options string.
#pragma once

#include "frontend/layer_dialog_engine.h"

namespace frontend {

class CLayerOptionsDlg : public LayerDialogEngine {
public:
    static constexpr int kTemplateId = 129;
    static constexpr int kClipWaterPosition = static_cast<int>(options::kOlderOptions.clipWater);

    CLayerOptionsDlg();

    bool OnInitDialog() override;
    void OnOK() override;
    void OnSelectAllLayers() override;
    void OnClearAllLayers() override;

protected:
    void DoDataExchange(platform::DataExchange& dx) override;
};

}  // namespace frontend
