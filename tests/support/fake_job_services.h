// A job for the shared writers to report to: the log lines, the county's
// failure status and the dialog texts are kept for the test to look at.
#pragma once

#include "shapeio/job_services.h"

#include <string>
#include <vector>

namespace testsupport {

class FakeJobServices : public shapeio::JobServices {
public:
    void WriteLogLine(const std::string& text) override { log += text + "\n"; }
    void WriteLogText(const std::string& text) override { log += text; }
    void FailCounty() override { failed = true; }
    bool CountyFailed() const override { return failed; }
    void ShowStatus(const std::string& text) override { status = text; }
    void ShowLayer(const std::string& text) override { layer = text; }
    void SetProgress(int percent) override { progress = percent; }
    void ShowMessage(const std::string& text) override {
        messages.push_back(text);
        WriteLogLine(text);
    }

    std::string log;
    bool failed = false;
    std::string status;
    std::string layer;
    int progress = 0;
    std::vector<std::string> messages;
};

}  // namespace testsupport
