#include "tigercore/county_services.h"

#include "platform/message_box.h"

#include <cstdio>

namespace tigercore {

namespace {

// The last line of `text` that is not empty; "" when there is none.
std::string LastNonEmptyLine(const std::string& text) {
    const size_t end = text.find_last_not_of("\r\n");
    if (end == std::string::npos) return std::string();
    const size_t start = text.rfind('\n', end);
    const size_t from = start == std::string::npos ? 0 : start + 1;
    return text.substr(from, end + 1 - from);
}

}  // namespace

// Each line reaches the file at once, so that the log of a county that is
// killed or crashes says how far it came.
void CountyServices::WriteLogLine(const std::string& text) {
    if (!log_) return;
    std::fprintf(log_.get(), "%s\n", text.c_str());
    std::fflush(log_.get());
    KeepLastLine(text);
}

void CountyServices::WriteLogText(const std::string& text) {
    if (!log_) return;
    std::fputs(text.c_str(), log_.get());
    std::fflush(log_.get());
    KeepLastLine(text);
}

void CountyServices::KeepLastLine(const std::string& text) {
    const std::string line = LastNonEmptyLine(text);
    if (!line.empty()) lastLine_ = line;
}

void CountyServices::FailCounty() {
    if (status_ != -1 && cause_.empty()) cause_ = lastLine_;
    status_ = -1;
}

void CountyServices::NewCounty() {
    lastLine_.clear();
    cause_.clear();
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
