#include "shapeio/stream_io.h"

#include "platform/files.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace shapeio {

bool WriteAll(std::FILE* file, const std::string& bytes) {
    if (!file) return false;
    if (bytes.empty()) return true;
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool ReadExact(std::FILE* file, void* buffer, size_t length) {
    if (!file) return false;
    if (length == 0) return true;
    return std::fread(buffer, 1, length, file) == length;
}

bool SeekTo(std::FILE* file, int64_t offset, int whence) {
    return file && ::fseeko(file, static_cast<off_t>(offset), whence) == 0;
}

int64_t TellPosition(std::FILE* file) {
    if (!file) return -1;
    return static_cast<int64_t>(::ftello(file));
}

int64_t FileSize(const std::string& path) {
    std::error_code error;
    auto size = std::filesystem::file_size(path, error);
    if (error) return -1;
    return static_cast<int64_t>(size);
}

std::string SystemReason() {
    const int error = errno;
    if (error == 0) return std::string();
    if (error == platform::kNotRegularFile) return platform::NotRegularReason();
    std::string text = std::strerror(error);
    if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return " (" + text + ")";
}

}  // namespace shapeio
