// fuzz_keep TARGET KEPT INPUT...: replays the inputs (files or folders of
// files, such as a target's corpus) through the target's entry, reads the
// log lines each one produced and writes into the folder KEPT a small set of
// them that together produce every distinct line, each named after a line
// it was kept for: "<n>-<edition>-<file>-<bytes>b-<line>" for the record
// and county targets, "<n>-<line>" for the others. Lines count as the same
// when they differ only in their numbers or in the entry's scratch folder.
// Prints the names of the kept inputs, then every distinct line with the
// number of inputs that produced it.
#include "fuzz_entries.h"
#include "scratch_folder.h"

#include "platform/dialog.h"
#include "platform/files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Entry = void (*)(const uint8_t*, size_t);

struct Target {
    const char* name;
    Entry entry;
    // The "<edition>-<file>" part of a kept input's name ("" for none).
    std::string (*describe)(const std::string& input);
};

std::string NoDescription(const std::string&) { return ""; }

std::string RecordsInput(const std::string& input) {
    return std::string(1, fuzz::EditionCharacter(static_cast<unsigned char>(input[1]) % fuzz::kEditionCount)) + "-" +
           fuzz::RecordTypeSuffix(static_cast<unsigned char>(input[0]) % fuzz::kRecordTypeCount);
}

std::string CountyInput(const std::string& input) {
    return std::string(1, fuzz::EditionCharacter(static_cast<unsigned char>(input[0]) % fuzz::kEditionCount)) + "-" +
           fuzz::CountyFileSuffix(static_cast<unsigned char>(input[1]) % fuzz::kCountyFileCount);
}

std::string OldRecordsInput(const std::string& input) {
    return std::string(1, fuzz::OldEditionCharacter(static_cast<unsigned char>(input[1]) % fuzz::kOldEditionCount)) +
           "-rt" + fuzz::OldRecordType(static_cast<unsigned char>(input[0]) % fuzz::kOldRecordTypeCount);
}

std::string OldCountyInput(const std::string& input) {
    return std::string(1, fuzz::OldEditionCharacter(static_cast<unsigned char>(input[0]) % fuzz::kOldEditionCount)) +
           "-rt" + fuzz::OldRecordType(static_cast<unsigned char>(input[1]) % fuzz::kOldRecordTypeCount);
}

const Target kTargets[] = {
    {"records", fuzz::ReadRecordFile, RecordsInput},
    {"zip", fuzz::UnpackArchive, NoDescription},
    {"options", fuzz::ConvertWithOptions, NoDescription},
    {"county", fuzz::ConvertDamagedCounty, CountyInput},
    {"merged", fuzz::ContinueDamagedMergedLayer, NoDescription},
    {"oldrecords", fuzz::ReadOldRecordFile, OldRecordsInput},
    {"oldcounty", fuzz::ConvertDamagedOldCounty, OldCountyInput},
    {"oldmerged", fuzz::ContinueDamagedOldMergedLayer, NoDescription},
};

// The log files under `folder`, at any depth.
void FindLogs(const std::string& folder, std::vector<std::string>& logs) {
    for (const std::string& name : platform::ListDirectory(folder)) {
        const std::string path = folder + "/" + name;
        if (platform::IsDirectory(path)) FindLogs(path, logs);
        else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".log") == 0) logs.push_back(path);
    }
}

// What a message line quotes of the input (a TLID, a CFCC, a polygon's
// code), and what it stands for in a line.
struct Quoting {
    std::regex pattern;
    const char* replacement;
};
const Quoting kQuoting[] = {
    {std::regex("TLID.*"), "TLID"},
    {std::regex("Unknown CFCC code:.*"), "Unknown CFCC code:"},
    {std::regex("(Ring of .* polygon ).*( does not close)"), "$1_$2"},
};

// A line with the scratch folder taken out, what it quotes of the input left
// out and every number as "N".
std::string Normalised(std::string line, const std::string& scratchParent) {
    for (std::string::size_type at; (at = line.find(scratchParent + "/pellard-fuzz-")) != std::string::npos;) {
        const std::string::size_type end = line.find('/', at + scratchParent.size() + 1);
        line.erase(at, end == std::string::npos ? std::string::npos : end + 1 - at);
    }
    for (const Quoting& quoting : kQuoting) line = std::regex_replace(line, quoting.pattern, quoting.replacement);
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(line[i]))) {
            out += 'N';
            while (i + 1 < line.size() && std::isdigit(static_cast<unsigned char>(line[i + 1]))) ++i;
        } else {
            out += line[i];
        }
    }
    return out;
}

// Runs one input through the entry; the logs of the input before are
// removed first (an input too short for the entry writes none).
void Replay(const Target& target, const std::string& bytes, const std::string& scratchParent) {
    std::vector<std::string> logs;
    FindLogs(scratchParent, logs);
    for (const std::string& log : logs) std::remove(log.c_str());
    target.entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// The stage messages of the logs: not the first two lines of a county
// (start and edition), nor its end line, nor blank lines, nor a record the
// log quotes whole (the line after " Full Record = ").
std::set<std::string> LogLines(const std::string& scratchParent) {
    std::vector<std::string> logs;
    FindLogs(scratchParent, logs);
    std::set<std::string> lines;
    for (const std::string& log : logs) {
        std::istringstream in(fuzz::ReadBytes(log));
        int sinceStart = 2;  // a reader's log has no start line
        bool quotedRecord = false;
        for (std::string line; std::getline(in, line);) {
            ++sinceStart;
            if (line.rfind("New Process started on ", 0) == 0) sinceStart = 0;
            const bool skip =
                quotedRecord || line.empty() || sinceStart <= 1 || line.rfind("Process ended on ", 0) == 0;
            quotedRecord = line == " Full Record = ";
            if (!skip) lines.insert(Normalised(line, scratchParent));
        }
    }
    return lines;
}

// "<line>" as a file name: lower case, words joined by '-', at most 60 characters.
std::string Slug(const std::string& line) {
    std::string slug;
    for (char c : line) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u)) slug += static_cast<char>(std::tolower(u));
        else if (!slug.empty() && slug.back() != '-') slug += '-';
    }
    slug = slug.substr(0, 60);
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug;
}

void AddInputs(const std::string& path, std::vector<std::string>& inputs) {
    if (!platform::IsDirectory(path)) {
        inputs.push_back(path);
        return;
    }
    for (const std::string& name : platform::ListDirectory(path)) AddInputs(path + "/" + name, inputs);
}

}  // namespace

int main(int argc, char** argv) {
    const Target* target = nullptr;
    for (const Target& t : kTargets) {
        if (argc > 1 && std::string(argv[1]) == t.name) target = &t;
    }
    if (argc < 4 || !target) {
        std::fprintf(stderr, "usage: fuzz_keep TARGET KEPT INPUT...\n");
        return 2;
    }
    platform::SilentRenderer silent;
    platform::SetModelessRenderer(&silent);
    // The entries' scratch folders go into a folder of this run, where the
    // logs are found after each input.
    const fuzz::ScratchFolder scratch;
    setenv("TMPDIR", scratch.path().c_str(), 1);

    std::vector<std::string> inputs;
    for (int i = 3; i < argc; ++i) AddInputs(argv[i], inputs);
    std::map<std::string, std::vector<size_t>> producers;  // line -> inputs
    std::vector<size_t> sizes;
    for (size_t i = 0; i < inputs.size(); ++i) {
        const std::string bytes = fuzz::ReadBytes(inputs[i]);
        sizes.push_back(bytes.size());
        Replay(*target, bytes, scratch.path());
        for (const std::string& line : LogLines(scratch.path())) producers[line].push_back(i);
    }

    // The rarest lines first; each not yet produced by a kept input keeps
    // the smallest input that produces it, with every line that one produces.
    std::vector<std::pair<size_t, std::string>> byRarity;
    for (const auto& [line, who] : producers) byRarity.emplace_back(who.size(), line);
    std::sort(byRarity.begin(), byRarity.end());
    std::set<std::string> covered;
    int kept = 0;
    for (const auto& entry : byRarity) {
        const std::string& line = entry.second;
        if (covered.count(line)) continue;
        size_t best = producers[line].front();
        for (size_t i : producers[line]) {
            if (sizes[i] < sizes[best]) best = i;
        }
        const std::string bytes = fuzz::ReadBytes(inputs[best]);
        Replay(*target, bytes, scratch.path());
        for (const std::string& produced : LogLines(scratch.path())) covered.insert(produced);
        char number[8];
        std::snprintf(number, sizeof number, "%02d", ++kept);
        std::string name = number;
        const std::string description = bytes.size() >= 2 ? target->describe(bytes) : "";
        if (!description.empty())
            name += "-" + description + "-" + std::to_string(bytes.size() - 2) + "b";
        name += "-" + Slug(line);
        fuzz::WriteBytes(std::string(argv[2]) + "/" + name, bytes);
        std::printf("%s\n", name.c_str());
    }
    for (const auto& [line, who] : producers) std::printf("%6zu  %s\n", who.size(), line.c_str());
    std::printf("%zu inputs, %zu distinct lines, %d kept\n", inputs.size(), producers.size(), kept);
    return 0;
}
