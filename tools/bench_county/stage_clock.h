// Times the stages of a county conversion from what its progress dialog
// shows: a stage lasts from one change of the process or layer text to the
// next, and is named by the layer while one is shown, else by the process.
#pragma once

#include "platform/dialog.h"

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace bench {

class StageClock : public platform::DialogRenderer {
public:
    void Render(const platform::Dialog& dialog) override;
    void ControlChanged(const platform::Dialog& dialog, const platform::Control& control) override;
    void Hidden(const platform::Dialog& dialog) override;

    // Seconds per stage, in the order the stages first ran.
    const std::vector<std::pair<std::string, double>>& Stages() const { return stages_; }

private:
    using Clock = std::chrono::steady_clock;
    void Switch(const std::string& stage);

    std::string status_;
    std::string layer_;
    std::string current_;
    Clock::time_point since_;
    std::vector<std::pair<std::string, double>> stages_;
};

// The stage a process text belongs to: record reading, side assembly, or
// the text itself.
std::string StageOfStatus(const std::string& status);

}  // namespace bench
