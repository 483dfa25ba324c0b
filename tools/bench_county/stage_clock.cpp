#include "stage_clock.h"

namespace bench {

std::string StageOfStatus(const std::string& status) {
    if (status == "Reading" || status == "Sorting" || status.rfind("Reading ", 0) == 0) return "reading records";
    if (status == "Assembling Polygon Information") return "polygon side assembly";
    if (status.empty()) return "driver";
    return status;
}

void StageClock::Switch(const std::string& stage) {
    Clock::time_point now = Clock::now();
    if (!current_.empty()) {
        double seconds = std::chrono::duration<double>(now - since_).count();
        bool found = false;
        for (auto& entry : stages_) {
            if (entry.first == current_) {
                entry.second += seconds;
                found = true;
            }
        }
        if (!found) stages_.emplace_back(current_, seconds);
    }
    current_ = stage;
    since_ = now;
}

void StageClock::Render(const platform::Dialog&) {
    status_.clear();
    layer_.clear();
    Switch("driver");
}

void StageClock::ControlChanged(const platform::Dialog&, const platform::Control& control) {
    // Ids of the conversion dialog: 1006 process, 1007 layer.
    if (control.id == 1006) status_ = control.text;
    else if (control.id == 1007) layer_ = control.text;
    else return;
    std::string stage = layer_.empty() ? StageOfStatus(status_) : "layer " + layer_;
    if (stage != current_) Switch(stage);
}

void StageClock::Hidden(const platform::Dialog&) { Switch(""); }

}  // namespace bench
