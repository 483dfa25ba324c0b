#include "frontend/layer_dialog_engine.h"

#include "frontend/job_globals.h"

namespace frontend {

using platform::ControlKind;

LayerDialogEngine::LayerDialogEngine(int templateId, const options::OptionsFamily& family, BoxShape shape)
    : platform::Dialog(templateId, "Layer Extraction Options"), family_(family) {
    for (const options::OptionPosition& row : family_) {
        if (row.control != LayerId(row.index)) continue;
        shape(row, AddControl(row.control, ControlKind::CheckBox, row.label));
    }
}

void LayerDialogEngine::AddButtons(bool cancelEnabled) {
    AddControl(kUseForAllId, ControlKind::CheckBox, "Use these options for all subsequent cases");
    AddControl(kSelectAllId, ControlKind::Button, "Select All");
    AddControl(kClearAllId, ControlKind::Button, "Clear All");
    AddControl(platform::IDOK, ControlKind::Button, "OK").isDefault = true;
    platform::Control& cancel = AddControl(platform::IDCANCEL, ControlKind::Button, "Cancel");
    cancel.visible = false;
    cancel.enabled = cancelEnabled;
}

bool LayerDialogEngine::HasFirstBox(int position) const {
    return family_.RowOfControl(LayerId(position)) != nullptr;
}

std::vector<const options::OptionPosition*> LayerDialogEngine::FirstLayerBoxes() const {
    std::vector<const options::OptionPosition*> rows;
    for (const options::OptionPosition& row : family_)
        if (row.IsLayerBox() && row.control == LayerId(row.index)) rows.push_back(&row);
    return rows;
}

void LayerDialogEngine::ExchangeFirstBoxes(platform::DataExchange& dx) {
    for (int p = 0; p < static_cast<int>(family_.length); ++p)
        if (HasFirstBox(p)) dx.Check(LayerId(p), layers[static_cast<size_t>(p)]);
}

bool LayerDialogEngine::IsSet(int position) {
    return static_cast<size_t>(position) < gLayerOptions.size() && gLayerOptions[static_cast<size_t>(position)] != '0';
}

void LayerDialogEngine::HandOverForAll() const {
    if (!useForAllSubsequent || gSetForAllActive != 0) return;
    gSetForAllOptions = gLayerOptions;
    gSetForAllActive = 1;
    gSetForAllEdition = gCurrentEdition;
}

void LayerDialogEngine::OnCommand(int id) {
    if (id == kSelectAllId) OnSelectAllLayers();
    else if (id == kClearAllId) OnClearAllLayers();
}

}  // namespace frontend
