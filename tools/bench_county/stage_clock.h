// Times the stages of a county conversion from what its progress dialog
// shows, by the wall clock and by the process's CPU clock: a stage lasts
// from one change of the process or layer text to the next. While a line
// class is being built (a process text naming its type) the stage is named
// by that text; otherwise by the layer while one is shown, else by the
// process.
#pragma once

#include "platform/dialog.h"

#include <chrono>
#include <string>
#include <vector>

namespace bench {

struct StageTime {
    std::string name;
    double wall = 0;  // seconds
    double cpu = 0;   // seconds of CPU time of the whole process, user and system
};

// Seconds of CPU time the process has used so far.
double ProcessCpuSeconds();

class StageClock : public platform::DialogRenderer {
public:
    // The ids of the dialog's process and layer texts.
    StageClock(int statusId, int layerId) : statusId_(statusId), layerId_(layerId) {}

    void Render(const platform::Dialog& dialog) override;
    void ControlChanged(const platform::Dialog& dialog, const platform::Control& control) override;
    void Hidden(const platform::Dialog& dialog) override;

    // The stages in the order they first ran; a stage that ran more than
    // once holds the sum.
    const std::vector<StageTime>& Stages() const { return stages_; }

private:
    using Clock = std::chrono::steady_clock;
    void Switch(const std::string& stage);

    int statusId_;
    int layerId_;
    std::string status_;
    std::string layer_;
    std::string current_;
    Clock::time_point since_;
    double cpuSince_ = 0;
    std::vector<StageTime> stages_;
};

// The stage a process text belongs to: record reading and sorting, polygon
// side assembly, or the text itself.
std::string StageOfStatus(const std::string& status);

// Whether a process text names the line class being built ("Building Lines
// of Type B", "Nodes of Type B").
bool NamesLineClass(const std::string& status);

}  // namespace bench
