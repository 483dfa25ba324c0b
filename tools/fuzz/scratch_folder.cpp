#include "scratch_folder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ftw.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzz {

namespace {

[[noreturn]] void Fatal(const std::string& what) {
    std::fprintf(stderr, "fuzz entry: %s\n", what.c_str());
    std::abort();
}

// Removes one entry of a walk, children first; a failure leaves it and walks on.
int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    ::remove(path);
    return 0;
}

}  // namespace

ScratchFolder::ScratchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/pellard-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) Fatal("cannot make a folder like " + pattern);
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

void ScratchFolder::Clear() const {
    RemoveTree(path_);
    MakeFolder(path_);
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) Fatal("cannot create " + path);
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) Fatal("cannot write " + path);
}

void MakeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) != 0) Fatal("cannot make " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void RemoveTree(const std::string& path) {
    ::nftw(path.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

}  // namespace fuzz
