#include "platform/file_changes.h"

#include <utility>

namespace platform {

namespace {

FileChangeObserver& Observer() {
    static FileChangeObserver observer;
    return observer;
}

}  // namespace

void ObserveFileChanges(FileChangeObserver observer) { Observer() = std::move(observer); }

bool ObservingFileChanges() { return static_cast<bool>(Observer()); }

void TellFileChange(FileChange::Kind kind, const std::string& path, const std::string& to, long long offset,
                    std::string bytes) {
    if (!Observer()) return;
    Observer()(FileChange{kind, path, to, offset, std::move(bytes)});
}

}  // namespace platform
