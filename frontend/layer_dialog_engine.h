// What both layer dialogs are made of: one check box per row of their
// options family that is its position's first box (id 100 + position), the
// box "Use these options for all subsequent cases", Select All, Clear All,
// OK and a hidden Cancel; the boxes' data exchange and the hand-over of the
// options to later inputs. Each dialog adds its edition family's data: which
// boxes the template disables or hides, captions and labels per edition,
// what Select All ticks and what OK writes.
#pragma once

#include "frontend/editions.h"
#include "options/options_strings.h"
#include "platform/dialog.h"

#include <array>
#include <vector>

namespace frontend {

class LayerDialogEngine : public platform::Dialog {
public:
    static constexpr int kFirstLayerId = 100;  // (first) check box of position p: kFirstLayerId + p
    static constexpr int kUseForAllId = 300;
    static constexpr int kSelectAllId = 301;
    static constexpr int kClearAllId = 302;

    static constexpr int LayerId(int position) { return kFirstLayerId + position; }

    // One member per first check box, by position.
    std::array<int, kOptionsLengthV2> layers{};
    int useForAllSubsequent = 0;

    void OnCommand(int id) override;
    virtual void OnSelectAllLayers() = 0;
    virtual void OnClearAllLayers() = 0;

protected:
    // The state the template gives the first box of a row.
    using BoxShape = void (*)(const options::OptionPosition& row, platform::Control& box);

    // Adds the first box of every row of `family`, shaped by `shape`.
    LayerDialogEngine(int templateId, const options::OptionsFamily& family, BoxShape shape);

    // Adds the controls after the boxes; Cancel is hidden, and disabled
    // unless `cancelEnabled`.
    void AddButtons(bool cancelEnabled);
    // Whether position p has a first box.
    bool HasFirstBox(int position) const;
    // The rows of the family's layer boxes that are their position's first
    // box, in the table's order.
    std::vector<const options::OptionPosition*> FirstLayerBoxes() const;
    void ExchangeFirstBoxes(platform::DataExchange& dx);
    // Whether gLayerOptions asks for position p.
    static bool IsSet(int position);
    // With "Use these options for all subsequent cases" ticked, the first
    // time: gLayerOptions goes to every later input of the edition.
    void HandOverForAll() const;

    const options::OptionsFamily& family_;
};

}  // namespace frontend
