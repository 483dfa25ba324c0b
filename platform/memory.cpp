#include "platform/memory.h"

#include <cstdint>
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

}  // namespace platform
