#include "tigercore/county_services.h"

#include "platform/message_box.h"

#include <cstdio>

namespace tigercore {

void CountyServices::WriteLogLine(const std::string& text) {
    if (log_) std::fprintf(log_.get(), "%s\n", text.c_str());
}

void CountyServices::WriteLogText(const std::string& text) {
    if (log_) std::fputs(text.c_str(), log_.get());
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
