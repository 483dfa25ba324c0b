#include "platform/memory.h"

#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

namespace platform {

void AdviseLargePages(void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pageSize <= 0 || data == nullptr) return;
    const std::uintptr_t page = static_cast<std::uintptr_t>(pageSize);
    const std::uintptr_t from = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
    const std::uintptr_t to = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(page - 1);
    if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

void KeepFreedMemoryForReuse() {
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD) && defined(M_TOP_PAD)
    // 32 MB is the largest threshold the allocator takes; setting it also
    // stops the threshold from moving on its own.
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20);
    ::mallopt(M_TRIM_THRESHOLD, 1 << 30);
    ::mallopt(M_TOP_PAD, 16 << 20);
#endif
}

}  // namespace platform
