#include "shapeio/stream_io.h"

#include "platform/files.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
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

bool ReadWholeFile(const std::string& path, std::string& text, size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char buffer[1 << 16];
    const size_t start = text.size();
    for (ssize_t n; ok && text.size() - start < limit && (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0) ok = errno == EINTR;
        else text.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return ok;
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
