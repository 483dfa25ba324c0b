#include "stage_clock.h"

#include <ctime>

namespace bench {

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::string StageOfStatus(const std::string& status) {
    if (status == "Reading" || status == "Sorting" || status.rfind("Reading ", 0) == 0) return "reading records";
    if (status == "Assembling Polygon Information") return "polygon side assembly";
    if (status.empty()) return "driver";
    return status;
}

bool NamesLineClass(const std::string& status) {
    return status.rfind("Building Lines of Type ", 0) == 0 || status.rfind("Nodes of Type ", 0) == 0;
}

void StageClock::Switch(const std::string& stage) {
    const Clock::time_point now = Clock::now();
    const double cpuNow = ProcessCpuSeconds();
    if (!current_.empty()) {
        const double wall = std::chrono::duration<double>(now - since_).count();
        const double cpu = cpuNow - cpuSince_;
        bool found = false;
        for (StageTime& entry : stages_) {
            if (entry.name == current_) {
                entry.wall += wall;
                entry.cpu += cpu;
                found = true;
            }
        }
        if (!found) stages_.push_back({current_, wall, cpu});
    }
    current_ = stage;
    since_ = now;
    cpuSince_ = cpuNow;
}

void StageClock::Render(const platform::Dialog&) {
    status_.clear();
    layer_.clear();
    Switch("driver");
}

void StageClock::ControlChanged(const platform::Dialog&, const platform::Control& control) {
    if (control.id == statusId_) status_ = control.text;
    else if (control.id == layerId_) layer_ = control.text;
    else return;
    // A blank layer text (" ") is no layer.
    const bool layerShown = layer_.find_first_not_of(' ') != std::string::npos;
    std::string stage;
    if (NamesLineClass(status_)) stage = status_;
    else if (layerShown) stage = "layer " + layer_;
    else stage = StageOfStatus(status_);
    if (stage != current_) Switch(stage);
}

void StageClock::Hidden(const platform::Dialog&) { Switch(""); }

}  // namespace bench
