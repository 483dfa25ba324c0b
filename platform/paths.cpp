#include "platform/paths.h"

#include <unistd.h>
#include <vector>

namespace platform {

std::string FolderOfPath(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string ExtensionOfPath(const std::string& path) {
    std::string::size_type dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string FileNameOfPath(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DirectoryOfPath(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileTitleOfPath(const std::string& path) {
    std::string name = FileNameOfPath(path);
    std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string CountyBaseName(const std::string& path) {
    const std::string title = FileTitleOfPath(path);
    return title.size() >= 9 ? title.substr(0, 3) + title.substr(title.size() - 5) : title;
}

std::string CountyLogPath(const std::string& outputDir, const std::string& input) {
    if (outputDir.empty()) return std::string();
    std::string folder = outputDir;
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder + "/" + CountyBaseName(input) + ".log";
}

std::string AbsolutePath(const std::string& path) {
    std::string full = path;
    if (full.empty() || full[0] != '/') {
        std::vector<char> buffer(4096);
        std::string cwd = ::getcwd(buffer.data(), buffer.size()) ? buffer.data() : "/";
        full = cwd + "/" + full;
    }
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= full.size()) {
        std::string::size_type end = full.find('/', start);
        if (end == std::string::npos) end = full.size();
        std::string part = full.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts) result += "/" + part;
    return result.empty() ? "/" : result;
}

}  // namespace platform
