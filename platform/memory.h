// Memory services.
#pragma once

#include <cstddef>

namespace platform {

// Tells the system that the `bytes` at `data` (a large array that is about to
// be filled) are best backed by large pages. Filling a table of hundreds of
// megabytes then costs far fewer page faults. Only a hint: nothing changes
// where the system has no such pages.
void AdviseLargePages(void* data, std::size_t bytes);

// For a program of our own that converts counties (never called from the
// libraries, which live in other programs too): blocks up to 32 MB come
// from the heap and freed memory stays in the process for the next table,
// so that the tables of one layer after another, and of one county after
// another, reuse pages already mapped instead of faulting in new ones.
void KeepFreedMemoryForReuse();

}  // namespace platform
