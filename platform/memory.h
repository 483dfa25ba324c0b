// Memory services.
#pragma once

#include <cstddef>

namespace platform {

// Tells the system that the `bytes` at `data` (a large array that is about to
// be filled) are best backed by large pages. Filling a table of hundreds of
// megabytes then costs far fewer page faults. Only a hint: nothing changes
// where the system has no such pages.
void AdviseLargePages(void* data, std::size_t bytes);

}  // namespace platform
