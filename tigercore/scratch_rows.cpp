#include "tigercore/scratch_rows.h"

#include "platform/files.h"

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace tigercore {

void ScratchRows::Unmap() {
    if (mapping_) ::munmap(const_cast<unsigned char*>(mapping_), size_);
    mapping_ = nullptr;
    size_ = 0;
}

void ScratchRows::Map(std::FILE* file, size_t bytes) {
    Unmap();
    if (bytes == 0 || !file) return;
    void* view = ::mmap(nullptr, bytes, PROT_READ, MAP_SHARED, platform::DescriptorOf(file), 0);
    if (view == MAP_FAILED) return;  // the rows are then read with positioned reads
    mapping_ = static_cast<const unsigned char*>(view);
    size_ = bytes;
}

bool ScratchRows::Read(std::FILE* file, size_t at, void* out, size_t size) const {
    if (mapping_) {
        if (at + size > size_) return false;
        std::memcpy(out, mapping_ + at, size);
        return true;
    }
    const ssize_t got = ::pread(platform::DescriptorOf(file), out, size, static_cast<off_t>(at));
    return got == static_cast<ssize_t>(size);
}

}  // namespace tigercore
