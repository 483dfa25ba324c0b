#include "conv2/paths.h"

namespace vornak2 {

std::string FileNameOfPath(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(slash + 1);
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

}  // namespace vornak2
