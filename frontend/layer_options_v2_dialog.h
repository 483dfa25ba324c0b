// The layer dialog of the 2002-2006 editions (codes 104 to 108): one check
// box per layer of the 86-character options string; positions 48, 50 and 52
// have two boxes, the second in the group "Economic Census Polygons".
#pragma once

#include "frontend/layer_dialog_engine.h"

namespace frontend {

class CLayerOptionsV2Dlg : public LayerDialogEngine {
public:
    static constexpr int kTemplateId = 105;
    static constexpr int kFirstSecondId = 200;  // second box of positions 48, 50, 52: kFirstSecondId + p
    static constexpr int kTazStateCombinedId = 303;
    static constexpr int kEconomicGroupId = 304;
    static constexpr int kClipWaterPosition = static_cast<int>(options::kLaterOptions.clipWater);

    static constexpr int SecondId(int position) { return kFirstSecondId + position; }

    CLayerOptionsV2Dlg();

    // The second boxes of positions 48, 50 and 52 ("County Economic",
    // "Place Economic", "Commercial Region Code").
    int countyEconomic = 0;
    int placeEconomic = 0;
    int commercialRegion = 0;
    int tazStateCombined = 0;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnSelectAllLayers() override;
    void OnClearAllLayers() override;

protected:
    void DoDataExchange(platform::DataExchange& dx) override;

private:
    int& SecondBox(int position);
    // Select All (1) and Clear All (0).
    void SetAllLayers(int value);

    // The layer positions by their boxes: the positions with a second box
    // (48, 50, 52: their first box until 2002, the second from 2003 on),
    // those shown from 2003 on, and those of every edition (the hidden
    // corrections among them).
    std::vector<int> sharedPositions_, laterPositions_, everyEditionPositions_;
};

}  // namespace frontend
