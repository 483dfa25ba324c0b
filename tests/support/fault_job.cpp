#include "support/fault_job.h"

#include "county_writer.h"
#include "platform/files.h"
#include "support/county_files.h"

#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

void CollectFiles(const std::string& root, const std::string& relative, std::map<std::string, std::string>& files) {
    for (const std::string& name : platform::ListDirectory(root + relative)) {
        const std::string path = relative + name;
        if (platform::IsDirectory(root + path)) {
            files[path + "/"] = "";
            CollectFiles(root, path + "/", files);
        } else {
            files[path] = ReadFile(root + path);
        }
    }
}

}  // namespace

std::map<std::string, std::string> FolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    CollectFiles(folder + "/", "", files);
    return files;
}

std::map<std::string, std::string> Tree(const std::string& folder) {
    std::map<std::string, std::string> files = FolderFiles(folder);
    for (auto entry = files.begin(); entry != files.end();) {
        entry = EndsWith(entry->first, ".log") ? files.erase(entry) : std::next(entry);
    }
    return files;
}

bool HoldsAsNobody(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        const bool asNobody = ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
        ::_exit(asNobody && check() ? 0 : 1);
    }
    int status = 1;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string CrlfJoined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

bool EndsWith(const std::string& text, const std::string& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

void FaultJobTest::SetUp() {
    for (const std::string& folder : {in_, ref_, out_}) ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    first_ = countygen::WriteCounty(SpecOf("901"), in_).type1Path;
    second_ = countygen::WriteCounty(SpecOf("903"), in_).type1Path;
    Convert(first_, ref_);
    Convert(second_, ref_);
    reference_ = FolderFiles(ref_);
}

std::string FaultJobTest::FirstFile(const std::string& suffix) const {
    return countygen::CountyFilePath(SpecOf("901"), in_, suffix);
}

std::vector<std::string> FaultJobTest::FirstRecords(const std::string& suffix) const {
    std::vector<std::string> lines = TextLines(ReadFile(FirstFile(suffix)));
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    return lines;
}

void FaultJobTest::RunJob(const std::function<int()>& duringFirst) {
    EXPECT_EQ(duringFirst ? duringFirst() : Convert(first_, out_), 1);
    EXPECT_EQ(Convert(second_, out_), 0);
}

void FaultJobTest::ExpectFaultHandled(const std::vector<std::string>& lastMessages,
                                      const std::set<std::string>& finished, const std::set<std::string>& extra) {
    const std::string firstLog = ReadFile(out_ + "/TGR25901.log");
    std::vector<std::string> messages = TextLines(LogMessages(firstLog));
    ASSERT_GE(messages.size(), lastMessages.size());
    EXPECT_EQ(std::vector<std::string>(messages.end() - static_cast<long>(lastMessages.size()), messages.end()),
              lastMessages);
    EXPECT_NE(firstLog.find("\nProcess ended on "), std::string::npos);

    std::map<std::string, std::string> outputs = FolderFiles(out_);
    std::set<std::string> seen;
    for (const auto& [path, contents] : outputs) {
        const bool firstCounty = path.rfind("TGR25901/", 0) == 0 || path == "TGR25901.met";
        if (path == "TGR25901/" || path == "TGR25901.log" || path.rfind("TGR25903", 0) == 0) continue;
        ASSERT_TRUE(firstCounty) << "left in the output directory: " << path;
        const std::string name = path == "TGR25901.met" ? path : path.substr(9);
        if (extra.count(name)) continue;
        seen.insert(name);
        auto reference = reference_.find(path);
        ASSERT_NE(reference, reference_.end()) << "not written by the run without the fault: " << path;
        EXPECT_TRUE(contents == reference->second) << path << " differs from the run without the fault";
    }
    for (const std::string& name : finished) EXPECT_TRUE(seen.count(name)) << "missing: " << name;
    EXPECT_EQ(seen.size(), finished.size());

    for (const auto& [path, contents] : reference_) {
        if (path.rfind("TGR25903", 0) != 0 || path == "TGR25903.log") continue;
        auto output = outputs.find(path);
        ASSERT_NE(output, outputs.end()) << "second county: missing " << path;
        EXPECT_TRUE(output->second == contents) << "second county: " << path << " differs";
    }
    std::string secondLog = LogOf(out_, "TGR25903");
    ReplaceAll(secondLog, out_, ref_);
    EXPECT_EQ(secondLog, LogOf(ref_, "TGR25903"));
}

std::set<std::string> FaultJobTest::ReferenceFiles(const std::set<std::string>& endings) const {
    std::set<std::string> names;
    for (const auto& entry : reference_) {
        const std::string& path = entry.first;
        if (path.rfind("TGR25901/", 0) != 0) continue;
        for (const std::string& ending : endings) {
            if (EndsWith(path, ending)) names.insert(path.substr(9));
        }
    }
    return names;
}

}  // namespace testsupport
