#include "tigercore/county_services.h"

#include "platform/message_box.h"

#include <cstdio>

namespace tigercore {

// Each line reaches the file at once, so that the log of a county that is
// killed or crashes says how far it came.
void CountyServices::WriteLogLine(const std::string& text) {
    if (!log_) return;
    std::fprintf(log_.get(), "%s\n", text.c_str());
    std::fflush(log_.get());
}

void CountyServices::WriteLogText(const std::string& text) {
    if (!log_) return;
    std::fputs(text.c_str(), log_.get());
    std::fflush(log_.get());
}

void CountyServices::ShowStatus(const std::string& text) {
    if (ProgressSink* job = currentJob_()) job->SetStatusText(text);
}

void CountyServices::ShowLayer(const std::string& text) {
    if (ProgressSink* job = currentJob_()) job->SetLayerText(text);
}

void CountyServices::SetProgress(int percent) {
    if (ProgressSink* job = currentJob_()) job->SetProgress(percent);
}

void CountyServices::ShowMessage(const std::string& text) {
    platform::ShowMessage(text, caption_);
    WriteLogLine(text);
}

}  // namespace tigercore
