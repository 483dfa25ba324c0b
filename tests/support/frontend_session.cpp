#include "support/frontend_session.h"

#include "frontend/app.h"
#include "frontend/folder_checks.h"
#include "frontend/job_globals.h"
#include "platform/files.h"

#include <sstream>
#include <unistd.h>

namespace testsupport {

namespace {

RecordedCall Record(const char* library, const char* inputPath, const char* outputDir, const char* options,
                    int countyNumber, int countyCount, const char* archivePath = "") {
    RecordedCall call;
    call.library = library;
    call.archivePath = archivePath;
    call.inputPath = inputPath;
    call.outputDir = outputDir;
    call.options = options;
    call.countyNumber = countyNumber;
    call.countyCount = countyCount;
    call.inputExisted = platform::FileExists(call.inputPath);
    call.unzippedFiles = platform::ListDirectory(call.outputDir + "/unzipped");
    return call;
}

int RecordDisplayV2(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                    int countyCount) {
    RecordedCalls().push_back(Record("DisplayV2", inputPath, outputDir, options, countyNumber, countyCount));
    return 0;
}

int RecordDisplay(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                  int countyCount) {
    RecordedCalls().push_back(Record("Display", inputPath, outputDir, options, countyNumber, countyCount));
    return 0;
}

int RecordDisplayV2Unpacked(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                            int countyCount, const char* archivePath) {
    RecordedCalls().push_back(
        Record("DisplayV2Unpacked", inputPath, outputDir, options, countyNumber, countyCount, archivePath));
    return 0;
}

int RecordDisplayUnpacked(const char* inputPath, const char* outputDir, const char* options, int countyNumber,
                          int countyCount, const char* archivePath) {
    RecordedCalls().push_back(
        Record("DisplayUnpacked", inputPath, outputDir, options, countyNumber, countyCount, archivePath));
    return 0;
}

}  // namespace

std::vector<RecordedCall>& RecordedCalls() {
    static std::vector<RecordedCall> calls;
    return calls;
}

frontend::LibraryEntries RecordingEntries() {
    frontend::LibraryEntries entries;
    entries.displayV2 = RecordDisplayV2;
    entries.display = RecordDisplay;
    entries.displayV2Unpacked = RecordDisplayV2Unpacked;
    entries.displayUnpacked = RecordDisplayUnpacked;
    return entries;
}

void FrontEndTest::SetUp() {
    savedDirectory_ = frontend::CurrentDirectory();
    savedEntries_ = frontend::Libraries();
    frontend::Libraries() = RecordingEntries();
    RecordedCalls().clear();
    frontend::ResetJobGlobals();
    frontend::SetCdRomTest(nullptr);
}

void FrontEndTest::TearDown() {
    if (::chdir(savedDirectory_.c_str()) != 0) ADD_FAILURE() << "cannot return to " << savedDirectory_;
    frontend::Libraries() = savedEntries_;
    frontend::SetCdRomTest(nullptr);
}

std::string FrontEndTest::RunSession(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    exitStatus_ = frontend::RunPellard(in, out);
    return out.str();
}

std::string FrontEndTest::File(const std::string& name) {
    WriteFile(dir_ / name, "x");
    return dir_ / name;
}

}  // namespace testsupport
