// An owned C stream: the file layer's streams (files.h, streams.h) are all
// of this type.
#pragma once

#include <cstdio>
#include <memory>

namespace platform {

struct FileCloser {
    void operator()(std::FILE* f) const noexcept { if (f) std::fclose(f); }
};
// An open C stream that closes itself.
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace platform
