#include "support/temp_dir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <dirent.h>
#include <sys/stat.h>
#include <zip.h>

namespace testsupport {

TempDir::TempDir() {
    char pattern[] = "/tmp/pellard-test-XXXXXX";
    char* made = ::mkdtemp(pattern);
    if (!made) throw std::runtime_error("mkdtemp failed");
    path_ = made;
}

TempDir::~TempDir() {
    std::string command = "rm -rf '" + path_ + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", path_.c_str());
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary);
    out << contents;
    if (!out) throw std::runtime_error("cannot write " + path);
}

bool Exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string> RecordLines(const std::string& path, size_t width) {
    std::istringstream in(ReadFile(path));
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line.resize(width, ' ');
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> FilesEndingIn(const std::string& folder, const std::string& ending) {
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string name = e->d_name;
            if (name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
                names.push_back(name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void MakeZip(const std::string& path, const std::vector<ZipMember>& members) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("cannot create " + path);
    for (const ZipMember& m : members) {
        zip_source_t* source = zip_source_buffer(archive, m.contents.data(), m.contents.size(), 0);
        zip_int64_t index = zip_file_add(archive, m.name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_RAW);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + m.name);
        }
        if (m.symlink) {
            zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                             static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16);
        }
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path);
}

void DeclareZipSizes(const std::string& path, uint32_t size) {
    std::string bytes = ReadFile(path);
    // The unpacked size lies 22 bytes into a local header, 24 into a
    // central directory header.
    const struct {
        const char* signature;
        size_t offset;
    } headers[] = {{"PK\x03\x04", 22}, {"PK\x01\x02", 24}};
    for (const auto& header : headers) {
        for (size_t at = bytes.find(header.signature); at != std::string::npos;
             at = bytes.find(header.signature, at + 4)) {
            for (size_t k = 0; k < 4; ++k) bytes[at + header.offset + k] = static_cast<char>((size >> (8 * k)) & 0xff);
        }
    }
    WriteFile(path, bytes);
}

}  // namespace testsupport
