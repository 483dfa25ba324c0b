// The job services of a library's county: its log, its status, its progress
// dialog and its change of merged layers, as the shared code reaches them,
// with the county's job state. Each library has one instance over its own
// log file, status, current dialog and job state globals.
#pragma once

#include "platform/files.h"
#include "shapeio/county_change.h"
#include "shapeio/job_services.h"
#include "shapeio/kept_files.h"
#include "tigercore/county_job_state.h"

#include <functional>
#include <string>

namespace tigercore {

// What a county's progress dialog shows while the county runs.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetLayerText(const std::string& text) = 0;
    virtual void SetProgress(int percent) = 0;
};

class CountyServices : public shapeio::JobServices {
public:
    // `currentJob` holds the dialog of the county running now (null: none);
    // message boxes carry `caption`.
    template <typename Dialog>
    CountyServices(platform::FilePtr& log, int& status, Dialog* const& currentJob, std::string caption,
                   const CountyJobState& state)
        : log_(log),
          status_(status),
          currentJob_([&currentJob]() -> ProgressSink* { return currentJob; }),
          caption_(std::move(caption)),
          state_(state) {}

    void WriteLogLine(const std::string& text) override;
    void WriteLogText(const std::string& text) override;
    // The county is abandoned; the line the step that gave up wrote (the
    // last written before) is kept as its cause.
    void FailCounty() override;
    bool CountyFailed() const override { return status_ == -1; }
    void ShowStatus(const std::string& text) override;
    void ShowLayer(const std::string& text) override;
    void SetProgress(int percent) override;
    // A message box that never blocks: standard error and the log.
    void ShowMessage(const std::string& text) override;
    std::string CountyName() const override { return state_.countyBaseName; }
    std::string LogPath() const override { return state_.logPath; }
    shapeio::RunRecord Record() const override {
        return state_.runRecord ? *state_.runRecord : shapeio::RunRecord();
    }
    shapeio::CountyChange* Change() override { return &change_; }
    shapeio::KeptFiles* Kept() override { return &kept_; }

    const CountyJobState& state() const { return state_; }
    // A new county: no line written, no cause.
    void NewCounty();
    // The last line written to the log before the county was abandoned
    // (FailCounty): what the step that gave up wrote. "" when the county was
    // not abandoned, or nothing was written before.
    const std::string& FailureLine() const { return cause_; }
    // The folder of the county's scratch files followed by '/', and the path
    // of scratch file `name` (dbf.tmp, pts.tmp, ..., a.tmp) there.
    std::string ScratchFolderPath() const { return tigercore::ScratchFolderPath(state_); }
    std::string ScratchPath(const char* name) const { return ScratchFolderPath() + name; }

private:
    platform::FilePtr& log_;
    int& status_;
    std::function<ProgressSink*()> currentJob_;
    std::string caption_;
    const CountyJobState state_;
    shapeio::CountyChange change_;
    shapeio::KeptFiles kept_;
    // The last line of `text`, written to the log, is the last written.
    void KeepLastLine(const std::string& text);

    std::string lastLine_;  // the last line written to the log
    std::string cause_;
};

}  // namespace tigercore
