#include "frontend/open_file_prompt.h"

#include "frontend/message.h"
#include "platform/dialog.h"
#include "platform/paths.h"
#include "platform/files.h"

#include <glob.h>
#include <istream>
#include <ostream>

namespace frontend {

namespace {

const char* const kFilterMasks[] = {"*.rt1", "*.bw1", "*.f61", "*.zip"};

bool IsTigerInputName(const std::string& name) {
    for (const char* mask : kFilterMasks)
        if (platform::MatchesMask(name, mask)) return true;
    return false;
}

std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

bool HasWildcard(const std::string& word) { return word.find_first_of("*?[") != std::string::npos; }

}  // namespace

std::vector<std::string> ExpandInputPaths(const std::string& line, std::vector<std::string>& missing) {
    std::vector<std::string> paths;
    for (const std::string& word : SplitWords(line)) {
        std::string absolute = platform::AbsolutePath(word);
        if (!HasWildcard(word)) {
            if (platform::FileExists(absolute)) paths.push_back(absolute);
            else missing.push_back(absolute);
            continue;
        }
        // A wildcard picks the files the dialog's filter would list.
        glob_t found{};
        int status = ::glob(absolute.c_str(), 0, nullptr, &found);
        size_t before = paths.size();
        if (status == 0) {
            for (size_t i = 0; i < found.gl_pathc; ++i) {
                std::string match = found.gl_pathv[i];
                if (platform::FileExists(match) && IsTigerInputName(platform::FileNameOfPath(match))) paths.push_back(match);
            }
        }
        ::globfree(&found);
        if (paths.size() == before) missing.push_back(absolute);
    }
    return paths;
}

std::vector<std::string> PromptForInputs(std::istream& in, std::ostream& out) {
    out << "=== Open TIGER File ===\n"
        << "  TIGER files (*.rt1;*.bw1;*.f61;*.zip)\n"
        << "  one or more paths, wildcards allowed, \"...\" around a path with blanks; an empty line cancels\n"
        << "file> " << std::flush;
    std::string line;
    if (!platform::ReadCommandLine(in, line, out)) {
        out << "\n";
        return {};
    }
    std::vector<std::string> missing;
    std::vector<std::string> paths = ExpandInputPaths(line, missing);
    if (missing.empty()) return paths;
    // A path that is not there is said, and the prompt ends as Cancel does:
    // the next line is a command of the main dialog again.
    platform::CountRefusal();
    for (const std::string& path : missing)
        ShowMessageBox(out, path + "\nFile not found.\nPlease verify the correct file name was given.");
    return {};
}

}  // namespace frontend
