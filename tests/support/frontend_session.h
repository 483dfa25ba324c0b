// Scripted sessions of the front end: the conversion libraries replaced by
// a recorder, the current directory and the job globals restored after each
// test.
#pragma once

#include "frontend/library_entries.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace testsupport {

// One call that GO made to a library.
struct RecordedCall {
    std::string library;  // "DisplayV2", "Display", "DisplayV2Unpacked" or "DisplayUnpacked"
    std::string inputPath;
    std::string archivePath;  // the archive of an unpacked county
    std::string outputDir;
    std::string options;
    int countyNumber = 0;
    int countyCount = 0;
    bool inputExisted = false;                // the input file was there at the call
    std::vector<std::string> unzippedFiles;  // what "unzipped" beside the output held at the call
};

// Every call since the last ClearRecordedCalls.
std::vector<RecordedCall>& RecordedCalls();
frontend::LibraryEntries RecordingEntries();

class FrontEndTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the whole program on `script`; returns what it wrote (its exit
    // status in exitStatus_).
    std::string RunSession(const std::string& script);
    // Writes a file `name` holding "x" into the directory; returns its path.
    std::string File(const std::string& name);

    TempDir dir_;
    int exitStatus_ = -1;

private:
    std::string savedDirectory_;
    frontend::LibraryEntries savedEntries_;
};

}  // namespace testsupport
