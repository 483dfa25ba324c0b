// Fault cases in a job of two counties converted in one process (counties
// 25901 and 25903 of a generated county spec): the first county is damaged
// or its output fails, the second runs clean. Each library's fault tests
// derive from FaultJobTest and say how a county is written and converted.
#pragma once

#include "county_model.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace testsupport {

// The files of a folder and its subfolders by relative path, with their
// contents (a folder is listed with "/" behind its name and no contents).
std::map<std::string, std::string> FolderFiles(const std::string& folder);
// The same without the county logs (*.log).
std::map<std::string, std::string> Tree(const std::string& folder);
// Runs `check` in a child process, as nobody when the test runs as root
// (which reads and writes any file): whether it held there.
bool HoldsAsNobody(const std::function<bool()>& check);

// The lines of a text (without their '\n').
std::vector<std::string> TextLines(const std::string& text);
// Lines joined with CR LF ends, as a record file holds them.
std::string CrlfJoined(const std::vector<std::string>& lines);
bool EndsWith(const std::string& text, const std::string& ending);
void ReplaceAll(std::string& text, const std::string& from, const std::string& to);

class FaultJobTest : public ::testing::Test {
protected:
    // The spec of county `county` ("901", "903") of the job.
    virtual countygen::CountySpec SpecOf(const char* county) const = 0;
    // Converts the county of a type 1 path into `out` as county 1 of 2; the
    // library's result (1: the county failed).
    virtual int Convert(const std::string& type1, const std::string& out) const = 0;

    // Writes both counties and converts each into a reference folder.
    void SetUp() override;

    // A record file of the first county, by lower-case suffix ("rt2", "f63").
    std::string FirstFile(const std::string& suffix) const;
    // Its records without their line ends.
    std::vector<std::string> FirstRecords(const std::string& suffix) const;

    // The job: the first county (damaged by the test, or converted by
    // `duringFirst`), then the second one. Each call reports the first
    // county failed and the second converted.
    void RunJob(const std::function<int()>& duringFirst = nullptr);

    // The first county's last log messages are `lastMessages` and its log is
    // complete; its output folder holds exactly `finished` (file names of the
    // reference run, byte-identical; the county's .met copy beside the folder
    // by its own name, "TGR25901.met") and the `extra` entries the test made;
    // nothing else is left in the output directory (no scratch file nor
    // folder); the second county's outputs and log messages are those of the
    // reference run.
    void ExpectFaultHandled(const std::vector<std::string>& lastMessages, const std::set<std::string>& finished,
                            const std::set<std::string>& extra = {});

    // The first county's files of the reference run whose names end with one
    // of `endings`, without the folder.
    std::set<std::string> ReferenceFiles(const std::set<std::string>& endings) const;

    TempDir dir_;
    std::string in_ = dir_ / "in";
    std::string ref_ = dir_ / "ref";
    std::string out_ = dir_ / "out";
    std::string first_, second_;
    std::map<std::string, std::string> reference_;
};

}  // namespace testsupport
