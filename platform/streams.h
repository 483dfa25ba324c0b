// The C streams of the file layer: over a descriptor it has just opened,
// plain, or told change by change while file changes are observed
// (file_changes.h).
#pragma once

#include "platform/file_ptr.h"

#include <cstdio>
#include <string>

namespace platform {

// A stream with `mode` over `fd`, just opened at `path`; null (the
// descriptor closed) when it cannot be made.
FilePtr StreamOver(int fd, const char* mode, const std::string& path);
// The path a stream was opened at while observed; empty for any other.
std::string ObservedPath(std::FILE* file);
// The file of an observed stream has been given the name `path`.
void RenameObserved(std::FILE* file, const std::string& path);
// The descriptor under a stream of the file layer (fileno, which its
// observed streams lack); -1 for none.
int DescriptorOf(std::FILE* file);

}  // namespace platform
